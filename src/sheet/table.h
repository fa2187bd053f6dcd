#pragma once

namespace ravnelok {

class Document;

int CountTableLines(const Document& doc);
void ClearTable(Document& doc);
void BuildTableHeaders(Document& doc);
void AppendTableValue(Document& doc, int line, long double value);
void AlignTableColumn(Document& doc, int col);
// Rows top..bottom of the table go; the rows below move up.
void RemoveTableRows(Document& doc, int top, int bottom);

}  // namespace ravnelok
