#pragma once

namespace ravnelok {

class Document;
class Ui;

enum class MouseButton { kLeft, kRight, kMiddle };

// The sheet grid's mouse press on cell (col, row).
void PressSheetGrid(Document& doc, Ui& ui, MouseButton button, int col, int row);

int CountTableLines(const Document& doc);
void ClearTable(Document& doc);
void BuildTableHeaders(Document& doc);
void AppendTableValue(Document& doc, int line, long double value);
void AlignTableColumn(Document& doc, int col);
// "&Rens linier" with the table grid focused: rows top..bottom of its selection go.
void RemoveTableRows(Document& doc, Ui& ui, int top, int bottom);
// The tool button "Rens tabel".
void ClearTableCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
