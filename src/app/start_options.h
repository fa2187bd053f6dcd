#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravnelok {

class Document;

// "PROGRAM VERSION" and a line end: what --version of both programs prints.
std::string VersionLine(std::string_view program);

// The desktop program's command line: a few options first, then the words of one sheet file
// name. Only the leading words that are options are read as such, so that every other file
// name opens as it always did; "--" ends the options.
struct StartOptions {
  bool version = false;
  bool help = false;
  std::string texts_file;               // --texts FILE: the text table to use
  std::vector<std::string> sheet_args;  // joined, they name the sheet to open
};
constexpr int kStartExitUsage = 2;

// False with `error` set when an option lacks its value.
bool ParseStartOptions(const std::vector<std::string>& args, StartOptions& options,
                       std::string& error);
// The --help text of the desktop program.
const std::string& StartUsage();

// Where the text table came from.
enum class TextSource { kWorkingFolder, kTextsOption, kBuiltIn };

// Loads the text table the program starts with: the working folder's ravnmenu.txt when it can
// be read, else `texts_file` (--texts, may be empty), else the built-in Danish texts.
TextSource LoadStartTexts(Document& doc, const std::string& working_folder,
                          const std::string& texts_file);

}  // namespace ravnelok
