#include "document/table_values.h"

#include "document/journal.h"

namespace ravnelok {

void TableValueList::Add(Real value, int row, int col, int line) {
  entries_.push_back(TableEntry{value, row, col, line});
  size_t& cell = by_cell_.try_emplace(Key(col, row), ValuesJournal::kNone).first->second;
  if (journal_ != nullptr)
    journal_->steps.push_back(ValuesJournal::Append{Key(col, row), cell, {}});
  cell = entries_.size() - 1;
}

const TableEntry* TableValueList::Find(int col, int row) const {
  if (row < 0) return nullptr;
  auto it = by_cell_.find(Key(col, row));
  return it == by_cell_.end() ? nullptr : &entries_[it->second];
}

void TableValueList::MoveRow(int col, int from_row, int to_row) {
  auto it = by_cell_.find(Key(col, from_row));
  if (it == by_cell_.end()) return;
  const size_t index = it->second;
  by_cell_.erase(it);
  entries_[index].row = to_row;
  if (to_row < 0) {
    if (journal_ != nullptr) {
      journal_->steps.push_back(
          ValuesJournal::Move{col, from_row, to_row, index, ValuesJournal::kNone});
    }
    return;
  }
  size_t& cell = by_cell_.try_emplace(Key(col, to_row), ValuesJournal::kNone).first->second;
  if (journal_ != nullptr) {
    journal_->steps.push_back(ValuesJournal::Move{col, from_row, to_row, index, cell});
  }
  cell = index;
}

void TableValueList::Clear() {
  if (journal_ != nullptr && !entries_.empty()) {
    journal_->steps.push_back(ValuesJournal::Whole{std::move(entries_), std::move(by_cell_)});
  }
  entries_.clear();
  by_cell_.clear();
}

}  // namespace ravnelok
