#include "app/calc_cli.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "app/sheet_commands.h"
#include "app/start_options.h"
#include "app/unattended_ui.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "numbers/format_value.h"
#include "numbers/number_text.h"
#include "output/text_export.h"
#include "sheet/table.h"
#include "text/cp1252.h"

namespace ravnelok {

namespace {

// The message box prints to standard error; every question is answered "cancel", since there
// is nobody to ask.
class CliUi : public UnattendedUi {
 public:
  explicit CliUi(std::string& err) : err_(err) {}
  void ShowMessage(const std::string& text) override {
    err_ += cp1252::ToUtf8(text);
    err_ += '\n';
  }

 private:
  std::string& err_;
};

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

bool ParseMarks(std::string_view text, std::vector<int>& marks) {
  for (;;) {
    const auto comma = text.find(',');
    const auto line = WholeNumber(text.substr(0, comma), 1, kMaxLines);
    if (!line) return false;
    marks.push_back(*line);
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// One line per sheet line: label, name and the value in full precision, " ???" or nothing.
std::string ValuesText(const Document& doc) {
  std::string out;
  const int last = LastUsedLine(doc);
  for (int k = 1; k <= last; ++k) {
    out += doc.sheet.Cell(Document::kLabel, k);
    out += '\t';
    out += doc.sheet.Cell(Document::kName, k);
    out += '\t';
    const std::string& cell = doc.sheet.Cell(Document::kValue, k);
    Real value = 0;
    if (cell == kFailedValueText) {
      out += cell;
    } else if (!cell.empty() && doc.records.Value(k, value)) {
      out += ScientificText21(value);
    }
    out += '\n';
  }
  return out;
}

}  // namespace

const std::string& CalcUsage() {
  static const std::string usage =
      "Usage: ravnelok-calc [options] FILE.rlk\n"
      "Loads a Ravnelok sheet, recalculates it and writes the sheet as text.\n"
      "\n"
      "  --radians      trigonometric functions work in radians (default: degrees)\n"
      "  --mark LINES   mark the comma-separated lines \"T\" after loading\n"
      "  --passes N     recalculate N more times, each adding a table row\n"
      "  --table        also write the table\n"
      "  --values       write label, name and full-precision value of each line instead\n"
      "  --cp1252       write Windows-1252 bytes instead of UTF-8\n"
      "  --version      print the version and exit\n"
      "  -h, --help     show this text\n"
      "\n"
      "Exit status: 0 done, 1 file refused, 2 usage error.\n";
  return usage;
}

bool ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& options,
                      std::string& error) {
  std::vector<std::string> parts;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
      parts.push_back(arg);
      continue;
    }
    // "--name=value" or "--name value".
    std::string name = arg;
    std::optional<std::string> inline_value;
    if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inline_value = arg.substr(eq + 1);
    }
    auto take_value = [&]() -> std::optional<std::string> {
      if (inline_value) return inline_value;
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    const bool takes_value = name == "--mark" || name == "--passes";
    if (inline_value && !takes_value) {
      error = "option " + name + " takes no value";
      return false;
    }
    if (name == "--") {
      options_ended = true;
    } else if (name == "-h" || name == "--help") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--radians") {
      options.radians = true;
    } else if (name == "--table") {
      options.table = true;
    } else if (name == "--values") {
      options.values = true;
    } else if (name == "--cp1252") {
      options.cp1252 = true;
    } else if (name == "--mark") {
      const auto value = take_value();
      if (!value || !ParseMarks(*value, options.marks)) {
        error = "--mark needs line numbers from 1 to 999, separated by commas";
        return false;
      }
    } else if (name == "--passes") {
      const auto value = take_value();
      const auto passes = value ? WholeNumber(*value, 0, kCalcMaxPasses) : std::nullopt;
      if (!passes) {
        error = "--passes needs a whole number from 0 to " + std::to_string(kCalcMaxPasses);
        return false;
      }
      options.passes = *passes;
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  for (const auto& part : parts) {
    if (!options.path.empty()) options.path += ' ';
    options.path += part;
  }
  if (!options.help && !options.version && options.path.empty()) {
    error = "no sheet file given";
    return false;
  }
  return true;
}

int RunCalc(const std::vector<std::string>& args, std::string& out, std::string& err) {
  Document doc;
  return RunCalc(args, doc, out, err);
}

int RunCalc(const std::vector<std::string>& args, Document& doc, std::string& out,
            std::string& err) {
  CalcOptions options;
  std::string error;
  if (!ParseCalcOptions(args, options, error)) {
    err += "ravnelok-calc: " + error + "\n" + CalcUsage();
    return kCalcExitUsage;
  }
  if (options.help) {
    out += CalcUsage();
    return kCalcExitOk;
  }
  if (options.version) {
    out += VersionLine("ravnelok-calc");
    return kCalcExitOk;
  }

  // Start-up as the desktop program does it, with the built-in texts.
  CliUi ui(err);
  doc.InitialiseGrid();
  doc.settings.angle_in_degrees = !options.radians;
  // The file name comes from the terminal in UTF-8; the program's paths are byte strings, so it
  // is used as given.
  if (!LoadSheet(doc, ui, options.path)) return kCalcExitRefused;

  for (const int line : options.marks) {
    if (line < doc.sheet.RowCount() && !doc.TableMarked(line)) {
      PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, line);
    }
  }
  for (int pass = 0; pass < options.passes; ++pass)
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);

  std::string text = options.values ? ValuesText(doc) : SheetText(doc);
  if (options.table) text += TableText(doc);
  if (options.cp1252) {
    out += text;
  } else if (out.empty()) {
    out = cp1252::ToUtf8(text);
  } else {
    out += cp1252::ToUtf8(text);
  }
  return kCalcExitOk;
}

}  // namespace ravnelok
