#pragma once

#include <vector>

namespace ravnelok {

// Per table column, the widest value text (blanks not counted) and how many rows, from row 1,
// are already padded to it. A new value then pads only the rows added since, and the whole
// column again only when it widens it. Whoever writes table cells other than by appending
// forgets the columns concerned; an unknown column is aligned again from scratch.
class TableWidths {
 public:
  struct Column {
    int width = 0;
    int aligned_rows = 0;  // 0: not known
    bool operator==(const Column&) const = default;
  };
  bool operator==(const TableWidths&) const = default;

  Column& At(int col) {
    if (col >= static_cast<int>(columns_.size())) columns_.resize(col + 1);
    return columns_[col];
  }
  void Forget(int col) {
    if (col >= 0 && col < static_cast<int>(columns_.size())) columns_[col] = Column();
  }
  void ForgetAll() { columns_.clear(); }

 private:
  std::vector<Column> columns_;
};

}  // namespace ravnelok
