#include "app/commands.h"

#include <charconv>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/line_records.h"
#include "document/ui.h"
#include "output/print_layout.h"
#include "text/file_read.h"
#include "text/text_ops.h"

namespace ravnelok {

std::string EnglishCaption(const std::string& caption) {
  const std::string rest = caption.size() > 9 ? caption.substr(9, 40) : std::string();
  return "Ravnekal   " + rest;
}

std::string MainWindowCaption(const UiTexts& texts) {
  return texts.English() ? EnglishCaption(kMainCaption) : std::string(kMainCaption);
}

std::string AboutProductName(const UiTexts& texts) {
  return texts.English() ? "Ravnekal" : "Ravnelok";
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
  std::string joined;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += args[i];
  }
  return joined;
}

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

HelpFile ReadHelpFile(const std::string& working_folder, const std::string& program_folder,
                      bool english) {
  constexpr std::size_t kMaxHelpFileBytes = 4 << 20;
  const std::string name = english ? "english/ravnelok.hlp" : "ravnelok.hlp";
  const std::string candidates[] = {
      InFolder(working_folder, "ravnelok.hlp"),
      InFolder(program_folder, name),
      InFolder(program_folder, "../share/ravnelok/" + name),
  };
  HelpFile help;
  for (const std::string& path : candidates) {
    if (ReadFileCapped(path, kMaxHelpFileBytes, help.bytes) == ReadResult::kOk) {
      help.path = path;
      help.found = true;
      return help;
    }
  }
  help.path = candidates[0];
  help.bytes.clear();
  return help;
}

bool ConfirmClose(Document& doc, Ui& ui) {
  return ui.Confirm(doc.texts[TextId::kConfirmCaption], doc.texts[TextId::kCloseQuestion],
                    doc.texts[TextId::kYes], doc.texts[TextId::kNo]);
}

void AngleCommand(Document& doc, Ui& ui) {
  AngleDialog dialog;
  dialog.caption = doc.texts[TextId::kAngleCaption];
  dialog.label = doc.texts[TextId::kAngleLabel];
  dialog.group = doc.texts[TextId::kAngleGroup];
  dialog.degrees = doc.texts[TextId::kAngleDegrees];
  dialog.radians = doc.texts[TextId::kAngleRadians];
  dialog.ok = doc.texts[TextId::kOk];
  dialog.choice = doc.settings.angle_choice;
  if (ui.RunAngleDialog(dialog)) doc.settings.angle_in_degrees = dialog.choice == 0;
  // The dialog keeps the choice the user left it with, even when closed without its button.
  doc.settings.angle_choice = dialog.choice == 1 ? 1 : 0;
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

int ParseLineCount(const std::string& text) {
  const std::string bare = WithoutBlanks(text);
  int n = 0;
  const char* first = bare.data();
  const char* last = bare.data() + bare.size();
  const auto [end, error] = std::from_chars(first, last, n);
  if (bare.empty() || error != std::errc() || end != last) return 0;
  return n >= 1 && n <= kMaxLines ? n : 0;
}

void NumberOfLinesCommand(Document& doc, Ui& ui) {
  TextInputDialog dialog;
  dialog.field = std::to_string(doc.LineCount());
  dialog.caption = doc.texts[TextId::kLineCountCaption];
  dialog.label = doc.texts[TextId::kLineCountLabel] + " " + std::to_string(kMaxLines) + ")";
  dialog.yes = doc.texts[TextId::kYes];
  dialog.no = doc.texts[TextId::kNo];
  // "Nej", or an answer that is no line count, leaves the sheet exactly as it was. A new count
  // starts afresh only the records of the lines that went: rebuilding them all would lose every
  // kept line's decimals and running counter.
  if (!ui.RunTextInputDialog(dialog)) return;
  const int n = ParseLineCount(dialog.field);
  if (n == 0) return;
  doc.SetLineCount(n);
  // A shrunk sheet must not leave the current cell or the editor below its last line.
  const int last = doc.LineCount();
  if (doc.sheet.CurrentRow() > last) doc.sheet.SetCurrent(doc.sheet.CurrentCol(), last);
  if (doc.settings.editor_row > last) doc.settings.editor_row = last;
  for (int k = n + 1; k <= kMaxLines; ++k) {
    doc.records.Reset(k);
    doc.records.SetDecimals(k, doc.settings.default_decimals);
  }
}

void RecalculateCommand(Document& doc, Ui& ui) {
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
}

void PrintCommand(Document& doc, Ui& ui) {
  if (!ui.RunPrintDialog()) return;
  PrintSetup setup;
  setup.name = ui.AskText(doc.texts[TextId::kWriteYourName], "", "").value_or("");
  PrintTarget* target = ui.BeginPrintJob();
  if (target == nullptr) return;
  const ScreenMetrics screen = ui.Screen();
  setup.screen_width = screen.screen_width;
  setup.graph_width = screen.graph_area_width;
  setup.graph_height = screen.graph_area_height;
  PrintSheet(doc, *target, setup);
  ui.EndPrintJob();
}

}  // namespace ravnelok
