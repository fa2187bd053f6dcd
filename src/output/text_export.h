#pragma once

#include <string>
#include <vector>

namespace ravnelok {

class Document;

int LastUsedLine(const Document& doc);
int ExpressionWidth(const Document& doc);
int TableColumnWidth(const Document& doc, int col);

// The table's column widths, and its header and row r as text: each column two blanks and its
// right-aligned cell.
std::vector<int> TableColumnWidths(const Document& doc);
std::string TableHeaderText(const Document& doc, const std::vector<int>& widths);
std::string TableRowText(const Document& doc, const std::vector<int>& widths, int r);

// The sheet and the table as fixed-column text (Windows-1252, CR LF after every line).
std::string SheetText(const Document& doc);
std::string TableText(const Document& doc);

}  // namespace ravnelok
