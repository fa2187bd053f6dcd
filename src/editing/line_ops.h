#pragma once

#include <optional>

namespace ravnelok {

class Document;
class Ui;
struct GridRect;

// A line moves with its cells (the label stays with the row), its line record and its
// decimals; references by label in the expressions of the moving lines follow them.

// Asks how many blank lines to insert ("Indsæt blanke linier"). Nothing when the dialog is
// cancelled or its field is not a whole number.
std::optional<int> AskInsertCount(Document& doc, Ui& ui);
// Inserts n blank lines above line `top`; the n last lines of the sheet are lost. Refused
// (false, nothing changed) unless 1 <= n <= 10 and the sheet keeps a line below the moved ones.
bool InsertBlankLines(Document& doc, int top, int n);
// Whether inserting n lines above `top` would go ahead and push a line with a name, an
// expression or a unit off the end of the sheet.
bool InsertLosesText(const Document& doc, int top, int n);
// Deletes lines top..bottom; the lines below move up and the sheet ends in blank lines.
void DeleteLines(Document& doc, int top, int bottom);
// Empties name, expression, value and unit of the selected cells; marks and labels stay.
void ClearSheetCells(Document& doc, const GridRect& selection);
// Every line blank, decimals back to the default, the file name "*.rlk", the current cell
// the name of line 1. The line records keep their names until the next pass but hold no value,
// so that a redisplay (a change of decimals) cannot bring the old sheet's values back.
void BlankSheet(Document& doc);

}  // namespace ravnelok
