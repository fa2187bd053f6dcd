#include "app/history.h"

#include "document/document.h"
#include "document/sheet_change.h"
#include "document/ui.h"
#include "graphics/graph.h"

namespace ravnelok {

namespace {

void ShowRestoredState(Document& doc, Ui& ui, bool graph_was_shown) {
  ui.LayOutWindow();
  if (doc.settings.graph_shown) {
    RefreshGraph(doc, ui);
  } else if (graph_was_shown) {
    ClearGraph(doc, ui);
  }
}

}  // namespace

void UndoSheetChange(Document& doc, Ui& ui, SheetChange& change) {
  const bool graph_was_shown = doc.settings.graph_shown;
  change.Undo(doc);
  ShowRestoredState(doc, ui, graph_was_shown);
}

void RedoSheetChange(Document& doc, Ui& ui, SheetChange& change) {
  const bool graph_was_shown = doc.settings.graph_shown;
  change.Redo(doc);
  ShowRestoredState(doc, ui, graph_was_shown);
}

}  // namespace ravnelok
