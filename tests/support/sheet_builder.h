#pragma once

#include <algorithm>

#include "document/document.h"
#include "text/cp1252.h"

namespace ravnelok::testing {

struct LineSpec {
  std::string name;
  std::string expression;
  std::string unit = "";
};

// A Document with its grid initialised and lines 1.. filled from `lines` (texts in UTF-8).
inline void FillSheet(Document& doc, const std::vector<LineSpec>& lines) {
  doc.InitialiseGrid();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    doc.sheet.SetCell(Document::kName, k, cp1252::FromUtf8(lines[i].name));
    doc.sheet.SetCell(Document::kExpression, k, cp1252::FromUtf8(lines[i].expression));
    doc.sheet.SetCell(Document::kUnit, k, cp1252::FromUtf8(lines[i].unit));
  }
}

// Raw cells of lines 1.. written as "a|b|..." into the columns `cols`; the sheet gets that many
// lines.
inline void FillRows(Document& doc, const std::vector<std::string>& rows,
                     const std::vector<int>& cols) {
  doc.InitialiseGrid();
  doc.SetLineCount(static_cast<int>(rows.size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    size_t start = 0;
    for (const int col : cols) {
      const size_t end = std::min(rows[i].find('|', start), rows[i].size());
      doc.sheet.SetCell(col, static_cast<int>(i) + 1, rows[i].substr(start, end - start));
      start = std::min(end + 1, rows[i].size());
    }
  }
}

// Every line's cells of the columns `cols`, as "a|b|...".
inline std::vector<std::string> Rows(const Document& doc, const std::vector<int>& cols) {
  std::vector<std::string> rows;
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    std::string row;
    for (size_t j = 0; j < cols.size(); ++j) row += (j ? "|" : "") + doc.sheet.Cell(cols[j], k);
    rows.push_back(row);
  }
  return rows;
}

// The raw cells of column `col` on lines first..last.
inline std::vector<std::string> Column(const Document& doc, int col, int first, int last) {
  std::vector<std::string> cells;
  for (int k = first; k <= last; ++k) cells.push_back(doc.sheet.Cell(col, k));
  return cells;
}

// The cells of table column `col` on rows first..last.
inline std::vector<std::string> TableColumn(const Document& doc, int col, int first, int last) {
  std::vector<std::string> cells;
  for (int r = first; r <= last; ++r) cells.push_back(doc.table.Cell(col, r));
  return cells;
}

}  // namespace ravnelok::testing
