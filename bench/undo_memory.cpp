// Peak memory of the undo history: a sheet whose table has 100,000 rows, then 1,000 edits of
// one cell, each kept as an undoable change ("history") or not. Run under /usr/bin/time -v and
// compare the maximum resident sizes; the history must not grow with the table.
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/history.h"
#include "app/sheet_commands.h"
#include "app/unattended_ui.h"
#include "document/document.h"
#include "document/sheet_change.h"
#include "editing/cell_edit.h"

using namespace ravnelok;

int main(int argc, char** argv) {
  const bool history = argc > 1 && std::strcmp(argv[1], "history") == 0;
  Document doc;
  UnattendedUi ui;
  doc.InitialiseGrid();
  doc.sheet.SetCell(Document::kName, 1, "a");
  doc.sheet.SetCell(Document::kExpression, 1, "4");
  doc.sheet.SetCell(Document::kName, 2, "b");
  doc.sheet.SetCell(Document::kExpression, 2, "a*2");
  doc.sheet.SetCell(Document::kTableMark, 2, std::string(kTableMarkText));
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  for (int pass = 0; pass < 100000; ++pass) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);

  std::vector<SheetChange> changes;
  std::size_t steps = 0;
  for (int edit = 0; edit < 1000; ++edit) {
    PlaceEditor(doc, Document::kExpression, 1);
    // 6 and 8 in the marked line: as wide as its column, which is not realigned.
    const char* text = edit % 2 == 0 ? "3" : "4";
    if (!history) {
      CommitEditorText(doc, ui, text);
      continue;
    }
    ChangeRecorder recorder(doc);
    CommitEditorText(doc, ui, text);
    if (auto change = recorder.Finish()) {
      steps += change->StepCount();
      changes.push_back(std::move(*change));
    }
  }
  std::printf("%s: table rows %d, changes %zu, steps %zu\n", history ? "history" : "no history",
              doc.settings.table_rows, changes.size(), steps);
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) UndoSheetChange(doc, ui, *it);
  if (history) std::printf("after undoing all: table rows %d\n", doc.settings.table_rows);
  return 0;
}
