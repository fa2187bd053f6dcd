#include "document/table_values.h"

namespace ravnelok {

void TableValueList::Add(Real value, int row, int col, int line) {
  entries_.push_back(TableEntry{value, row, col, line});
  by_cell_[Key(col, row)] = entries_.size() - 1;
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
  if (to_row >= 0) by_cell_[Key(col, to_row)] = index;
}

void TableValueList::Clear() {
  entries_.clear();
  by_cell_.clear();
}

}  // namespace ravnelok
