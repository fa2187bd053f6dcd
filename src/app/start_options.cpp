#include "app/start_options.h"

#include "app/version.h"
#include "document/document.h"

namespace ravnelok {

std::string VersionLine(std::string_view program) {
  std::string line(program);
  line += ' ';
  line += kVersion;
  line += '\n';
  return line;
}

bool ParseStartOptions(const std::vector<std::string>& args, StartOptions& options,
                       std::string& error) {
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (arg == "--version") {
      options.version = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--texts" || arg.rfind("--texts=", 0) == 0) {
      // "--texts=FILE" or "--texts FILE".
      std::string file = arg.size() > 7 ? arg.substr(8) : std::string();
      if (arg.size() == 7 && i + 1 < args.size()) file = args[++i];
      if (file.empty()) {
        error = "--texts needs a file name";
        return false;
      }
      options.texts_file = file;
    } else {
      break;
    }
  }
  options.sheet_args.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return true;
}

const std::string& StartUsage() {
  static const std::string usage =
      "Usage: ravnelok [options] [FILE.rlk]\n"
      "Starts the Ravnelok calculation sheet, opening FILE.rlk when given.\n"
      "\n"
      "  --texts FILE   use FILE as the text table (as a ravnmenu.txt in the working folder\n"
      "                 would; that one still wins when present)\n"
      "  --version      print the version and exit\n"
      "  -h, --help     show this text\n";
  return usage;
}

TextSource LoadStartTexts(Document& doc, const std::string& working_folder,
                          const std::string& texts_file) {
  std::string local = working_folder;
  if (!local.empty() && local.back() != '/') local += '/';
  if (doc.LoadTexts(local + "ravnmenu.txt")) return TextSource::kWorkingFolder;
  if (!texts_file.empty() && doc.LoadTexts(texts_file)) return TextSource::kTextsOption;
  return TextSource::kBuiltIn;
}

}  // namespace ravnelok
