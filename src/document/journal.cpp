// Writing down and replaying the changes of grids and of the table's value list.
#include "document/journal.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

#include "document/text_grid.h"

namespace ravnelok {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

bool AnyText(std::vector<std::string>::const_iterator first,
             std::vector<std::string>::const_iterator last) {
  return std::any_of(first, last, [](const std::string& cell) { return !cell.empty(); });
}

// The steps in the order a replay takes them.
template <class Steps, class Apply>
void ForEachStep(Steps& steps, bool undo, Apply apply) {
  if (undo) {
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) std::visit(apply, *it);
  } else {
    for (auto& step : steps) std::visit(apply, step);
  }
}

}  // namespace

void TextGrid::JournalCell(int col, int row, std::string_view text) {
  if (!Inside(col, row) || cells_[IndexOf(col, row)] == text) return;
  journal_->steps.push_back(GridJournal::Cell{IndexOf(col, row), cells_[IndexOf(col, row)]});
}

void TextGrid::JournalRows(int rows) {
  if (rows == row_count_) return;
  GridJournal::Rows step{row_count_, {}};
  const auto cut =
      cells_.begin() + static_cast<std::ptrdiff_t>(col_count_) * std::min(rows, row_count_);
  if (rows < row_count_ && AnyText(cut, cells_.end())) {
    step.tail.assign(std::make_move_iterator(cut), std::make_move_iterator(cells_.end()));
  }
  journal_->steps.push_back(std::move(step));
}

void TextGrid::JournalWhole(bool move_cells) {
  if (!move_cells) {
    journal_->steps.push_back(GridJournal::Whole{cells_, col_count_, row_count_, col_widths_});
    return;
  }
  // Clearing: the cells move into the journal, and empty ones take their place.
  if (!AnyText(cells_.begin(), cells_.end())) return;
  const size_t count = cells_.size();
  journal_->steps.push_back(
      GridJournal::Whole{std::move(cells_), col_count_, row_count_, col_widths_});
  cells_.assign(count, std::string());
}

void TextGrid::Replay(GridJournal& journal, bool undo) {
  // Every step swaps the grid's side with the journal's, so that the same step serves both
  // ways.
  auto stamp = [this](size_t index) {
    if (stamped_) stamps_[index] = generation_;
  };
  ForEachStep(
      journal.steps, undo,
      Overloaded{
          [&](GridJournal::Cell& s) {
            ++generation_;
            std::swap(cells_[s.index], s.text);
            stamp(s.index);
          },
          [&](GridJournal::Rows& s) {
            ++generation_;
            const int other = std::exchange(s.rows, row_count_);
            const size_t keep = static_cast<size_t>(col_count_) * std::min(other, row_count_);
            if (other < row_count_ &&
                AnyText(cells_.begin() + static_cast<std::ptrdiff_t>(keep), cells_.end())) {
              s.tail.assign(
                  std::make_move_iterator(cells_.begin() + static_cast<std::ptrdiff_t>(keep)),
                  std::make_move_iterator(cells_.end()));
            }
            cells_.resize(static_cast<size_t>(col_count_) * other);
            if (other > row_count_) {
              std::move(s.tail.begin(), s.tail.end(),
                        cells_.begin() + static_cast<std::ptrdiff_t>(keep));
              s.tail.clear();
            }
            row_count_ = other;
            if (stamped_) stamps_.resize(cells_.size(), generation_);
          },
          [&](GridJournal::Whole& s) {
            ++generation_;
            std::swap(cells_, s.cells);
            std::swap(col_count_, s.cols);
            std::swap(row_count_, s.rows);
            std::swap(col_widths_, s.widths);
            if (stamped_) stamps_.assign(cells_.size(), generation_);
          },
          [&](GridJournal::Width& s) {
            ++generation_;
            std::swap(col_widths_[static_cast<size_t>(s.col)], s.width);
          },
          [&](GridJournal::Widths& s) {
            ++generation_;
            std::swap(col_widths_, s.widths);
            std::swap(default_col_width, s.default_width);
          },
      });
}

bool TextGrid::ChangedBy(const GridJournal& journal) const {
  // The state before, rebuilt from each cell's and width's first step; a whole grid written
  // down holds everything not changed before it.
  const GridJournal::Whole* whole = nullptr;
  const GridJournal::Widths* widths = nullptr;
  std::unordered_map<size_t, const std::string*> cells;
  std::unordered_map<int, int> width_of;
  for (const GridJournal::Step& step : journal.steps) {
    if (std::holds_alternative<GridJournal::Rows>(step)) return true;  // rarely undone alike
    if (const auto* s = std::get_if<GridJournal::Cell>(&step); s && whole == nullptr) {
      cells.try_emplace(s->index, &s->text);
    } else if (const auto* w = std::get_if<GridJournal::Width>(&step); w && !widths && !whole) {
      width_of.try_emplace(w->col, w->width);
    } else if (const auto* all = std::get_if<GridJournal::Widths>(&step);
               all && !widths && !whole) {
      widths = all;
    } else if (const auto* g = std::get_if<GridJournal::Whole>(&step); g && whole == nullptr) {
      whole = g;
      if (g->cols != col_count_ || g->rows != row_count_) return true;
    }
  }
  const std::vector<int>& old_widths = widths  ? widths->widths
                                       : whole ? whole->widths
                                               : col_widths_;
  for (int c = 0; c < col_count_; ++c) {
    const auto it = width_of.find(c);
    if ((it != width_of.end() ? it->second : old_widths[static_cast<size_t>(c)]) !=
        col_widths_[static_cast<size_t>(c)])
      return true;
  }
  if (whole == nullptr) {
    return std::any_of(cells.begin(), cells.end(),
                       [this](const auto& cell) { return *cell.second != cells_[cell.first]; });
  }
  for (size_t i = 0; i < cells_.size(); ++i) {
    const auto it = cells.find(i);
    if ((it != cells.end() ? *it->second : whole->cells[i]) != cells_[i]) return true;
  }
  return false;
}

void TableValueList::Replay(ValuesJournal& journal, bool undo) {
  auto point = [this](uint64_t key, size_t index) {
    if (index == ValuesJournal::kNone) {
      by_cell_.erase(key);
    } else {
      by_cell_[key] = index;
    }
  };
  ForEachStep(journal.steps, undo,
              Overloaded{
                  [&](ValuesJournal::Append& s) {
                    if (undo) {
                      s.entry = entries_.back();
                      entries_.pop_back();
                      point(s.key, s.before);
                    } else {
                      entries_.push_back(s.entry);
                      by_cell_[s.key] = entries_.size() - 1;
                    }
                  },
                  [&](ValuesJournal::Move& s) {
                    if (undo) {
                      if (s.to >= 0) point(Key(s.col, s.to), s.before);
                      entries_[s.index].row = s.from;
                      by_cell_[Key(s.col, s.from)] = s.index;
                    } else {
                      by_cell_.erase(Key(s.col, s.from));
                      entries_[s.index].row = s.to;
                      if (s.to >= 0) by_cell_[Key(s.col, s.to)] = s.index;
                    }
                  },
                  [&](ValuesJournal::Whole& s) {
                    std::swap(entries_, s.entries);
                    std::swap(by_cell_, s.by_cell);
                  },
              });
}

}  // namespace ravnelok
