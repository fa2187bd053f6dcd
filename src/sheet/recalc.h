#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// The whole-sheet pass in mode 0 (forget names, pending start values and the table) or mode 1
// (append a table row), followed by the graph refresh.
void RecalculateSheet(Document& doc, Ui& ui, int mode);

// A line whose expression, blanks removed, starts with "!" or a double quote.
bool IsTextLine(const std::string& expression);

}  // namespace ravnelok
