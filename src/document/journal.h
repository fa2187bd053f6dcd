#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "document/table_values.h"

namespace ravnelok {

// What a command wrote into a grid, step by step, each step holding the other side of what it
// changed: replaying the steps backwards gives the grid as it was, forwards as it became. Only
// real changes are written down, so that a journal grows with the change, not with the grid.
struct GridJournal {
  // A cell's other text.
  struct Cell {
    std::size_t index = 0;
    std::string text;
  };
  // The other row count, and the cells of the rows beyond the smaller one when any holds text.
  struct Rows {
    int rows = 0;
    std::vector<std::string> tail;
  };
  // Every cell at once (cleared or reshaped grids).
  struct Whole {
    std::vector<std::string> cells;
    int cols = 0;
    int rows = 0;
    std::vector<int> widths;
  };
  struct Width {
    int col = 0;
    int width = 0;
  };
  struct Widths {
    std::vector<int> widths;
    int default_width = 0;
  };
  using Step = std::variant<Cell, Rows, Whole, Width, Widths>;

  std::vector<Step> steps;
  bool Empty() const { return steps.empty(); }
};

// The same for the table's value list.
struct ValuesJournal {
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  // An entry appended; `before` was the cell's entry until then. The entry is held here only
  // while it is undone.
  struct Append {
    uint64_t key = 0;
    std::size_t before = kNone;
    TableEntry entry;
  };
  // Entry `index` moved from row `from` to row `to`, where it took the place of `before`.
  struct Move {
    int col = 0;
    int from = 0;
    int to = 0;
    std::size_t index = 0;
    std::size_t before = kNone;
  };
  struct Whole {
    std::vector<TableEntry> entries;
    std::unordered_map<uint64_t, std::size_t> by_cell;
  };
  using Step = std::variant<Append, Move, Whole>;

  std::vector<Step> steps;
  bool Empty() const { return steps.empty(); }
};

}  // namespace ravnelok
