#pragma once

#include <string>

namespace ravnelok {

class Document;

int LastUsedLine(const Document& doc);
int ExpressionWidth(const Document& doc);
int TableColumnWidth(const Document& doc, int col);

// The sheet and the table as fixed-column text (Windows-1252, CR LF after every line).
std::string SheetText(const Document& doc);
std::string TableText(const Document& doc);

}  // namespace ravnelok
