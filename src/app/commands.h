#pragma once

#include <string>
#include <vector>

namespace ravnelok {

class Document;
class Ui;
class UiTexts;

// The main window's caption as built, and as the English edition shows it.
inline constexpr const char* kMainCaption = "Ravnelok  version 1.69";
// "Ravnekal   " followed by `caption` from its 10th character, at most 40 characters.
std::string EnglishCaption(const std::string& caption);
// The caption for the loaded texts.
std::string MainWindowCaption(const UiTexts& texts);
// The product name of the about box: Ravnekal in the English edition.
std::string AboutProductName(const UiTexts& texts);

// All command-line arguments joined by single blanks: one file name, blanks and all.
std::string JoinCommandLine(const std::vector<std::string>& args);

// The help file: the first readable one of the working folder's, the one beside the program
// and the one in the data folder of an installed program (../share/ravnelok beside it). The
// English edition looks in the "english" folders beside the program and in the data folder,
// where its own help file lies. Not found: `path` names the working folder's file.
struct HelpFile {
  std::string path;
  std::string bytes;
  bool found = false;
};
HelpFile ReadHelpFile(const std::string& working_folder, const std::string& program_folder,
                      bool english);

// A request to close the main window: true when the user confirms.
bool ConfirmClose(Document& doc, Ui& ui);

// "&Grader / radianer ..": the angle dialog; recalculates in mode 0 however it is closed.
void AngleCommand(Document& doc, Ui& ui);

// "Antal &linier i arket ..": the text input dialog; a new count rebuilds the line records.
void NumberOfLinesCommand(Document& doc, Ui& ui);
// The number of lines a text gives (blanks removed, a whole decimal integer 1..999), or 0.
int ParseLineCount(const std::string& text);

// "&Udskriv": the print dialog, the name box, then the printout. Cancelling the print dialog
// prints nothing; cancelling the name box prints without a name.
void PrintCommand(Document& doc, Ui& ui);

// "&Gennemregn arket" (F9) and the "Gennemregn" button.
void RecalculateCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
