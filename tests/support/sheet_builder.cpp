#include "support/sheet_builder.h"

#include "text/cp1252.h"

namespace ravnelok::testing {

void FillSheet(Document& doc, const std::vector<LineSpec>& lines) {
  doc.InitialiseGrid();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    doc.sheet.SetCell(Document::kName, k, cp1252::FromUtf8(lines[i].name));
    doc.sheet.SetCell(Document::kExpression, k, cp1252::FromUtf8(lines[i].expression));
    doc.sheet.SetCell(Document::kUnit, k, cp1252::FromUtf8(lines[i].unit));
  }
}

std::string CellUtf8(const Document& doc, int col, int row) {
  return cp1252::ToUtf8(doc.sheet.Cell(col, row));
}

std::vector<std::string> Column(const Document& doc, int col, int first, int last) {
  std::vector<std::string> cells;
  for (int k = first; k <= last; ++k) cells.push_back(doc.sheet.Cell(col, k));
  return cells;
}

}  // namespace ravnelok::testing
