#include "app/settings_commands.h"

#include <charconv>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/line_records.h"
#include "document/ui.h"
#include "text/text_ops.h"

namespace ravnelok {

void AngleCommand(Document& doc, Ui& ui) {
  AngleDialog dialog;
  dialog.caption = doc.texts[TextId::kAngleCaption];
  dialog.label = doc.texts[TextId::kAngleLabel];
  dialog.group = doc.texts[TextId::kAngleGroup];
  dialog.degrees = doc.texts[TextId::kAngleDegrees];
  dialog.radians = doc.texts[TextId::kAngleRadians];
  dialog.ok = doc.texts[TextId::kOk];
  dialog.choice = doc.settings.angle_choice;
  if (ui.RunAngleDialog(dialog))
    doc.settings.angle_in_degrees = dialog.choice == AngleUnit::kDegrees;
  // The dialog keeps the choice the user left it with, even when closed without its button.
  doc.settings.angle_choice = dialog.choice;
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
  if (doc.editor.row > last) doc.editor.row = last;
  for (int k = n + 1; k <= kMaxLines; ++k) {
    doc.records.Reset(k);
    doc.records.SetDecimals(k, doc.settings.default_decimals);
  }
}

}  // namespace ravnelok
