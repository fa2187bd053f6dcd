#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// The settings menu's own dialogs; its decimals dialog is the sheet's (sheet/decimals.h).

// "&Grader / radianer ..": the angle dialog; recalculates in mode 0 however it is closed.
void AngleCommand(Document& doc, Ui& ui);

// "Antal &linier i arket ..": the text input dialog; a new count rebuilds the line records.
void NumberOfLinesCommand(Document& doc, Ui& ui);
// The number of lines a text gives (blanks removed, a whole decimal integer 1..999), or 0.
int ParseLineCount(const std::string& text);

}  // namespace ravnelok
