#include "document/text_grid.h"

#include <algorithm>

#include "document/journal.h"

namespace ravnelok {

namespace {
const std::string kEmpty;
}

TextGrid::TextGrid(int col_count, int row_count, bool stamped)
    : col_count_(std::max(col_count, 1)),
      row_count_(std::max(row_count, 1)),
      cells_(static_cast<size_t>(col_count_) * row_count_),
      stamped_(stamped),
      stamps_(stamped ? cells_.size() : 0, 0),
      col_widths_(col_count_, default_col_width) {}

void TextGrid::SetRowCount(int rows) {
  rows = std::max(rows, 1);
  if (journal_ != nullptr) JournalRows(rows);
  ++generation_;
  cells_.resize(static_cast<size_t>(col_count_) * rows);
  if (stamped_) stamps_.resize(cells_.size(), generation_);
  row_count_ = rows;
}

void TextGrid::SetColCount(int cols) {
  cols = std::max(cols, 1);
  if (cols == col_count_) return;
  if (journal_ != nullptr) JournalWhole(false);
  std::vector<std::string> cells(static_cast<size_t>(cols) * row_count_);
  const int keep = std::min(cols, col_count_);
  for (int r = 0; r < row_count_; ++r) {
    for (int c = 0; c < keep; ++c) {
      cells[static_cast<size_t>(r) * cols + c] =
          std::move(cells_[static_cast<size_t>(r) * col_count_ + c]);
    }
  }
  cells_ = std::move(cells);
  col_widths_.resize(cols, default_col_width);
  col_count_ = cols;
  ++generation_;
  if (stamped_) stamps_.assign(cells_.size(), generation_);
}

const std::string& TextGrid::Empty() {
  return kEmpty;
}

std::string* TextGrid::CellToWrite(int col, int row) {
  if (!Inside(col, row)) return nullptr;
  ++generation_;
  if (stamped_) stamps_[IndexOf(col, row)] = generation_;
  return &cells_[IndexOf(col, row)];
}

void TextGrid::SetCell(int col, int row, std::string text) {
  if (journal_ != nullptr) JournalCell(col, row, text);
  if (std::string* cell = CellToWrite(col, row)) *cell = std::move(text);
}

void TextGrid::AssignCell(int col, int row, std::string_view text) {
  if (journal_ != nullptr) JournalCell(col, row, text);
  if (std::string* cell = CellToWrite(col, row)) cell->assign(text);
}

void TextGrid::ClearCells() {
  if (journal_ != nullptr) JournalWhole(true);
  for (auto& cell : cells_) cell.clear();
  ++generation_;
  if (stamped_) stamps_.assign(cells_.size(), generation_);
}

void TextGrid::SetCurrent(int col, int row) {
  current_col_ = col;
  current_row_ = row;
  selection_ = {col, row, col, row};
  ++generation_;
}

void TextGrid::Select(const GridRect& rect) {
  selection_ = rect;
  if (selection_.left > selection_.right) std::swap(selection_.left, selection_.right);
  if (selection_.top > selection_.bottom) std::swap(selection_.top, selection_.bottom);
  const bool inside = current_col_ >= selection_.left && current_col_ <= selection_.right &&
                      current_row_ >= selection_.top && current_row_ <= selection_.bottom;
  if (!inside) {
    current_col_ = selection_.left;
    current_row_ = selection_.top;
  }
  ++generation_;
}

int TextGrid::ColWidth(int col) const {
  if (col < 0 || col >= col_count_) return 0;
  return col_widths_[col];
}

void TextGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= col_count_) return;
  if (journal_ != nullptr && col_widths_[col] != width) {
    journal_->steps.push_back(GridJournal::Width{col, col_widths_[col]});
  }
  col_widths_[col] = width;
  ++generation_;
}

void TextGrid::SetDefaultColWidth(int width) {
  if (journal_ != nullptr &&
      (default_col_width != width || std::any_of(col_widths_.begin(), col_widths_.end(),
                                                 [width](int w) { return w != width; }))) {
    journal_->steps.push_back(GridJournal::Widths{col_widths_, default_col_width});
  }
  default_col_width = width;
  std::fill(col_widths_.begin(), col_widths_.end(), width);
  ++generation_;
}

}  // namespace ravnelok
