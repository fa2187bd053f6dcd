// Writing down and replaying the changes of grids and of the table's value list.
#include "document/journal.h"

#include <algorithm>
#include <iterator>
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
