#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravnelok {

struct GridJournal;

// A rectangle of cells, columns left..right and rows top..bottom, both ends included.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A grid of text cells with the presentation state that the program logic reads and sets
// (current cell, selection, scroll position, column widths). The widgets are views over it.
class TextGrid {
 public:
  // A `stamped` grid keeps a stamp per cell (CellStamp); others save the room and the time.
  TextGrid(int col_count, int row_count, bool stamped = false);

  int ColCount() const { return col_count_; }
  int RowCount() const { return row_count_; }
  // Rows and columns are added or dropped at the end; added cells start empty.
  void SetRowCount(int rows);
  void SetColCount(int cols);

  // Reads outside the grid give the empty text; writes outside it are ignored.
  const std::string& Cell(int col, int row) const {
    return Inside(col, row) ? cells_[IndexOf(col, row)] : Empty();
  }
  void SetCell(int col, int row, std::string text);
  // The same, written into the cell's own string, which keeps its room.
  void AssignCell(int col, int row, std::string_view text);
  void ClearCells();

  // The current cell; setting it collapses the selection to that one cell.
  int CurrentCol() const { return current_col_; }
  int CurrentRow() const { return current_row_; }
  void SetCurrent(int col, int row);
  const GridRect& Selection() const { return selection_; }
  // Sets the selected rectangle (ends in any order); a current cell outside it moves to its
  // top-left corner.
  void Select(const GridRect& rect);

  // Scrolling: the first non-fixed row and column in view, and how many rows the view shows.
  int top_row = 1;
  int left_col = 0;
  int visible_rows = 30;

  int default_col_width = 64;
  int row_height = 18;
  int font_size = 10;
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  // Every column back to `width`.
  void SetDefaultColWidth(int width);

  // Bumped by every change, so that views know when to refresh.
  unsigned long long Generation() const { return generation_; }
  void Touch() { ++generation_; }
  // The generation at which a cell was last written: while it stays, so does the cell's text,
  // and a caller can know that without reading the text. 0 outside the grid; a grid without
  // stamps gives its generation, which no cell keeps for long.
  unsigned long long CellStamp(int col, int row) const {
    if (!Inside(col, row)) return 0;
    return stamped_ ? stamps_[IndexOf(col, row)] : generation_;
  }

  // While a journal is set, every change of a cell, the row or column count or a width is
  // written into it (document/journal.h).
  void SetJournal(GridJournal* journal) { journal_ = journal; }
  GridJournal* Journal() const { return journal_; }
  // Puts back what the journal's steps changed (`undo`) or changes it again; the grid must be
  // as the steps left it, or as they found it. Every cell touched gets a new stamp.
  void Replay(GridJournal& journal, bool undo);
  // Whether the grid differs from what it was before the journal's steps: a command may clear
  // a grid and write the same cells again.
  bool ChangedBy(const GridJournal& journal) const;

 private:
  static const std::string& Empty();
  bool Inside(int col, int row) const {
    return col >= 0 && col < col_count_ && row >= 0 && row < row_count_;
  }
  size_t IndexOf(int col, int row) const { return static_cast<size_t>(row) * col_count_ + col; }
  // The cell about to be written, its stamp and the generation moved on; null outside.
  std::string* CellToWrite(int col, int row);

  int col_count_;
  int row_count_;
  std::vector<std::string> cells_;  // row-major
  bool stamped_;
  std::vector<unsigned long long> stamps_;  // per cell, as cells_, when stamped
  std::vector<int> col_widths_;
  int current_col_ = 0;
  int current_row_ = 1;
  GridRect selection_{0, 1, 0, 1};
  unsigned long long generation_ = 0;
  GridJournal* journal_ = nullptr;

  // Journal entries (journal.cpp), called before the change they describe.
  void JournalCell(int col, int row, std::string_view text);
  void JournalRows(int rows);
  void JournalWhole(bool move_cells);
};

}  // namespace ravnelok
