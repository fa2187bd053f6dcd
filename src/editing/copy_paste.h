#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// "Tag kopi": one or two cells of the selection in the name, expression or unit column are held
// for pasting (inside the program; the system clipboard is not touched). A selection that does
// not fit is reported and leaves nothing held.
void CopyCells(Document& doc, Ui& ui);

// "Sæt kopi": the held texts go into the selected cells of the same column, repeated as often as
// the selection is long. Expressions follow the move with their references, names get a number
// that grows with the distance, units are pasted as they are. Reports a paste that does not fit
// the copy, and a name that would become "c" or "d"; the cells written before that stay. The
// caller recalculates afterwards in every case.
void PasteCells(Document& doc, Ui& ui);

// The name `name` pasted `step` copies further on: its trailing number grows by `step` (a name
// without one gets it appended, a name of digits only gives the empty text).
std::string NumberedName(const std::string& name, int step);

}  // namespace ravnelok
