#include "app/calc_cli.h"

#include <cstdio>
#include <map>

#include "app/export_commands.h"
#include "app/sheet_commands.h"
#include "app/start_options.h"
#include "app/unattended_ui.h"
#include "document/document.h"
#include "expression/why.h"
#include "files/file_io.h"
#include "files/sheet_file.h"
#include "graphics/graph.h"
#include "numbers/format_value.h"
#include "numbers/number_text.h"
#include "output/csv_export.h"
#include "output/print_layout.h"
#include "output/text_export.h"
#include "sheet/start_values.h"
#include "text/cp1252.h"
#include "text/text_ops.h"

namespace ravnelok {

namespace {

// The message box prints to standard error. The start values dialog is answered from the
// --start options; every other question is answered "cancel", since there is nobody to ask.
class CliUi : public UnattendedUi {
 public:
  CliUi(std::string& err, CalcPainter* painter) : err_(err), painter_(painter) {}
  void ShowMessage(const std::string& text) override {
    err_ += cp1252::ToUtf8(text);
    err_ += '\n';
  }
  Canvas* GraphCanvas() override { return painter_ != nullptr ? painter_->GraphCanvas() : nullptr; }
  // Rows are (name or label, value); `starts` holds what the command line gives each row.
  bool RunStartValuesDialog(StartValuesDialog& dialog) override {
    for (std::size_t r = 1; r < dialog.rows.size(); ++r) {
      const auto given = starts.find(WithoutBlanks(dialog.rows[r][0]));
      if (given != starts.end()) dialog.rows[r][1] = given->second;
    }
    return true;
  }

  std::map<std::string, std::string> starts;

 private:
  std::string& err_;
  CalcPainter* painter_;
};

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

// The line a --start names: a line that refers to itself, by its name or its label. The key
// is then what the start values dialog shows for it. Empty when there is no such line.
std::string StartKey(const Document& doc, const std::string& given) {
  const std::string wanted = WithoutBlanks(cp1252::FromUtf8(given));
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    if (!IsSelfReferring(doc, k)) continue;
    const std::string name = WithoutBlanks(doc.sheet.Cell(Document::kName, k));
    if (wanted == name || wanted == LabelOf(k)) return name.empty() ? LabelOf(k) : name;
  }
  return {};
}

// The data the desktop program would take for the kind: the value column of every line in use
// for a sheet graph, the whole table (a single selected cell) for a table graph. False, with the
// desktop program's message shown, when that data cannot be drawn.
bool DrawGraphOfKind(Document& doc, Ui& ui, int kind) {
  const auto graph_kind = static_cast<GraphKind>(kind);
  if (IsSheetGraph(graph_kind)) {
    doc.sheet.Select({Document::kValue, 1, Document::kValue, LastUsedLine(doc)});
  } else {
    doc.table.Select({0, 1, 0, 1});
  }
  GraphCommand(doc, ui, graph_kind);
  return doc.graph.data.drawn;
}

// --why: a line per failed line, label, name and reason, tab-separated.
std::string WhyText(Document& doc, bool raw) {
  std::string text;
  for (int k = 1; k <= doc.LineCount(); ++k) {
    const LineFailure why = WhyLineFailed(doc, k);
    if (why.reason == FailureReason::kNone) continue;
    const std::string line = doc.sheet.Cell(Document::kLabel, k) + "\t" +
                             doc.sheet.Cell(Document::kName, k) + "\t" +
                             FailureText(doc.texts, why) + "\n";
    text += raw ? line : cp1252::ToUtf8(line);
  }
  return text;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::string& out, std::string& err) {
  Document doc;
  return RunCalc(args, doc, out, err);
}

int RunCalc(const std::vector<std::string>& args, Document& doc, std::string& out, std::string& err,
            CalcPainter* painter) {
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
  if (NeedsPainter(options) && painter == nullptr) {
    err += "ravnelok-calc: pictures and PDF files are drawn by ravnelok-render\n";
    return kCalcExitUsage;
  }

  // Start-up as the desktop program does it, with the built-in texts.
  CliUi ui(err, painter);
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
  if (!options.starts.empty()) {
    for (const auto& [name, value] : options.starts) {
      const std::string key = StartKey(doc, name);
      if (key.empty()) {
        err += "ravnelok-calc: --start " + name +
               ": no line of that name or label refers to "
               "itself\n";
        return kCalcExitUsage;
      }
      ui.starts[key] = value;
    }
    StartValuesCommand(doc, ui);
  }
  for (int pass = 0; pass < options.passes; ++pass)
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);

  if (options.why) err += WhyText(doc, options.cp1252);

  // A graph that could not be drawn is not written as a blank picture or printed as one.
  if (options.graph != 0 && !DrawGraphOfKind(doc, ui, options.graph) &&
      (!options.graph_file.empty() || !options.pdf.empty())) {
    return kCalcExitRefused;
  }
  if (!options.graph_file.empty()) {
    const auto format = PictureFormatOf(options.graph_file);
    if (!format) {
      err += "ravnelok-calc: --graph-file needs a file name ending in .png or .svg\n";
      return kCalcExitUsage;
    }
    if (!painter->WriteGraphPicture(doc, options.graph_file, *format)) {
      err += "ravnelok-calc: could not write " + options.graph_file + "\n";
      return kCalcExitRefused;
    }
  }
  if (!options.pdf.empty()) {
    PrintSetup setup;
    setup.name = cp1252::FromUtf8(options.name);
    if (!painter->WritePdf(doc, options.pdf, setup)) {
      err += "ravnelok-calc: could not write " + options.pdf + "\n";
      return kCalcExitRefused;
    }
  }
  if (options.csv == "-") {
    out += TableCsv(doc);
    return kCalcExitOk;
  }
  if (!options.csv.empty() && WriteFileAtomically(options.csv, TableCsv(doc)) != WriteResult::kOk) {
    err += "ravnelok-calc: could not write " + options.csv + "\n";
    return kCalcExitRefused;
  }

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

int FinishCalc(int status, const std::string& out, std::string err) {
  const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
  if ((!written || std::fflush(stdout) != 0) && status == kCalcExitOk) {
    // Output that did not arrive must not look like success.
    err += "ravnelok-calc: could not write the output\n";
    status = kCalcExitRefused;
  }
  std::fwrite(err.data(), 1, err.size(), stderr);
  return status;
}

}  // namespace ravnelok
