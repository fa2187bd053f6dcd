#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "numbers/real.h"

namespace ravnelok {

struct ValuesJournal;

// Every value the recalculation has written into the table grid, kept exactly.
struct TableEntry {
  Real value = 0;
  int row = 0;  // 1 upward; -1 once detached
  int col = 0;
  int line = 0;  // the sheet line it came from
};

class TableValueList {
 public:
  void Add(Real value, int row, int col, int line);
  // The entry of cell (col, row), or nullptr. When a cell was written twice the later entry counts.
  const TableEntry* Find(int col, int row) const;
  // The entry at (col, from_row) moves to to_row (-1 detaches it).
  void MoveRow(int col, int from_row, int to_row);
  void Clear();
  bool Empty() const { return entries_.empty(); }
  const std::vector<TableEntry>& Entries() const { return entries_; }

  // While a journal is set, every change is written into it (document/journal.h); Replay puts
  // back (`undo`) or makes again what its steps changed.
  void SetJournal(ValuesJournal* journal) { journal_ = journal; }
  void Replay(ValuesJournal& journal, bool undo);

 private:
  static uint64_t Key(int col, int row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(row)) << 32) | static_cast<uint32_t>(col);
  }
  std::vector<TableEntry> entries_;
  std::unordered_map<uint64_t, size_t> by_cell_;
  ValuesJournal* journal_ = nullptr;
};

}  // namespace ravnelok
