#pragma once

#include <string>

#include "sheet/recalc.h"

namespace ravnelok {

class Document;
class Ui;

// The commands that compose the engines: each ends as the program's behaviour requires, with
// the graph following every recalculation.

// The pass over the whole sheet, then the graph refresh: what every edit ends with.
void RecalculateSheet(Document& doc, Ui& ui, RecalcMode mode);
// "&Gennemregn arket" (F9) and the "Gennemregn" button.
void RecalculateCommand(Document& doc, Ui& ui);

// Opens a sheet file: read, table and graph cleared, view mode 1, recalculated in mode 0.
// Returns false when the file was refused ("Forkert filtype" shown, sheet unchanged).
bool LoadSheet(Document& doc, Ui& ui, const std::string& path);
// "Å&bn ark .." and "&Gem ark ..". Open is true when a sheet was opened.
bool OpenCommand(Document& doc, Ui& ui);
void SaveCommand(Document& doc, Ui& ui);

// The editor's text goes into its cell; a name or an expression recalculates in mode 1.
void CommitEditorText(Document& doc, Ui& ui, std::string text);
// "&Startstil navne .." (F10).
void StartValuesCommand(Document& doc, Ui& ui);

enum class MouseButton { kLeft, kRight, kMiddle };
// The sheet grid's mouse press on cell (col, row): marks, the full-precision value, the value
// column selection.
void PressSheetGrid(Document& doc, Ui& ui, MouseButton button, int col, int row);
// "&Rens linier" with the table grid focused: rows top..bottom of its selection go.
void RemoveTableRowsCommand(Document& doc, Ui& ui, int top, int bottom);
// The tool button "Rens tabel".
void ClearTableCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
