#include "sheet/table.h"

#include <algorithm>

#include "document/document.h"
#include "numbers/format_value.h"
#include "numbers/number_text.h"
#include "sheet/decimals.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

bool IsTLine(const Document& doc, int k) {
  return doc.TableMarked(k);
}

size_t BareLength(const std::string& cell) {
  return static_cast<size_t>(
      std::count_if(cell.begin(), cell.end(), [](char c) { return c != ' '; }));
}

// Right-aligns one cell to `width` characters plus a leading blank; a cell already in shape is
// left alone.
void AlignCell(TextGrid& table, int col, int r, size_t width) {
  const std::string& cell = table.Cell(col, r);
  const size_t bare = BareLength(cell);
  const size_t pad = width - bare + 1;
  const bool aligned = cell.size() == width + 1 &&
                       cell.find_first_not_of(' ') == (bare == 0 ? std::string::npos : pad);
  if (aligned) return;
  std::string text(pad, ' ');
  text += WithoutBlanks(cell);
  table.SetCell(col, r, std::move(text));
}

}  // namespace

int CountTableLines(const Document& doc) {
  int count = 0;
  for (int k = 1; k < doc.sheet.RowCount(); ++k) count += IsTLine(doc, k) ? 1 : 0;
  return count;
}

void ClearTable(Document& doc) {
  TextGrid& table = doc.table;
  table.ClearCells();
  table.SetRowCount(50);
  table.top_row = 1;
  table.left_col = 0;
  table.SetDefaultColWidth(50);
  table.SetCurrent(0, 1);
  doc.settings.table_rows = 0;
  doc.graph.data.data_rows = 0;
  doc.graph.data.data_columns = 0;
  doc.table_values.Clear();
  doc.table_widths.ForgetAll();
  doc.table_row_opened = false;
}

void BuildTableHeaders(Document& doc) {
  const int count = CountTableLines(doc);
  doc.settings.table_columns = count;
  if (count <= 0) return;
  if (doc.table.ColCount() < count) doc.table.SetColCount(count);
  int written = 0;
  for (int k = 1; k < doc.sheet.RowCount() && written < count; ++k) {
    if (!IsTLine(doc, k)) continue;
    const std::string& name = doc.sheet.Cell(Document::kName, k);
    doc.table.SetCell(written, 0, name.empty() ? doc.sheet.Cell(Document::kLabel, k) : name);
    ++written;
  }
}

void AppendTableValue(Document& doc, int line, long double value) {
  TextGrid& table = doc.table;
  int k = 0;
  for (int i = 1; i <= line && i < doc.sheet.RowCount(); ++i) k += IsTLine(doc, i) ? 1 : 0;
  if (k < 1) return;
  // One row per pass, opened by the pass's first value, whichever "T" line gives it; a pass
  // whose first "T" line fails still gets a row of its own and never writes into the header.
  if (!doc.table_row_opened) {
    ++doc.settings.table_rows;
    doc.table_row_opened = true;
  }
  const int row = doc.settings.table_rows;
  if (table.RowCount() - 3 < row) table.SetRowCount(table.RowCount() + 1);
  if (table.ColCount() < k) table.SetColCount(k);
  const int col = k - 1;
  table.SetCell(col, row, FormatLineValue(doc, value, line));
  doc.table_values.Add(value, row, col, line);
  if (table.top_row + table.visible_rows - 1 < row) table.top_row = row - table.visible_rows + 1;

  // Rows up to `aligned_rows` are untouched since the column was last aligned, so only the
  // rows after them can widen it; when none does, only they need padding.
  TableWidths::Column& fit = doc.table_widths.At(col);
  if (fit.aligned_rows < 1 || fit.aligned_rows >= row) {
    AlignTableColumn(doc, col);
    return;
  }
  size_t width = static_cast<size_t>(fit.width);
  for (int r = fit.aligned_rows + 1; r <= row; ++r) {
    if (BareLength(table.Cell(col, r)) > width) {
      AlignTableColumn(doc, col);
      return;
    }
  }
  table.SetColWidth(col, table.font_size * (fit.width + 1));
  for (int r = fit.aligned_rows + 1; r <= row; ++r) AlignCell(table, col, r, width);
  fit.aligned_rows = row;
}

void AlignTableColumn(Document& doc, int col) {
  TextGrid& table = doc.table;
  const int rows = doc.settings.table_rows;
  size_t width = 0;
  for (int r = 1; r <= rows; ++r) width = std::max(width, BareLength(table.Cell(col, r)));
  table.SetColWidth(col, table.font_size * (static_cast<int>(width) + 1));
  for (int r = 1; r <= rows; ++r) AlignCell(table, col, r, width);
  TableWidths::Column& fit = doc.table_widths.At(col);
  fit.width = static_cast<int>(width);
  fit.aligned_rows = rows;
}

void RemoveTableRows(Document& doc, int top, int bottom) {
  TextGrid& table = doc.table;
  int& rows = doc.settings.table_rows;
  const int columns = doc.settings.table_columns;
  if (top >= 1) {
    const int n = std::min(bottom, rows) - top + 1;
    if (n >= 1) {
      auto empty_row = [&](int r) {
        for (int c = 0; c < columns; ++c) {
          table.SetCell(c, r, std::string());
          doc.table_values.MoveRow(c, r, -1);
        }
      };
      for (int r = top; r <= bottom; ++r) empty_row(r);
      for (int r = top; r <= rows - n; ++r) {
        for (int c = 0; c < columns; ++c) {
          table.SetCell(c, r, table.Cell(c, r + n));
          doc.table_values.MoveRow(c, r + n, r);
        }
      }
      for (int r = rows - n + 1; r <= rows; ++r) empty_row(r);
      rows -= n;
      doc.table_widths.ForgetAll();
    }
    table.SetCurrent(0, 1);
  }
}

}  // namespace ravnelok
