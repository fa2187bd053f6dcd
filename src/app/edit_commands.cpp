#include "app/edit_commands.h"

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/ui.h"
#include "editing/copy_paste.h"
#include "editing/line_ops.h"
#include "graphics/graph.h"
#include "graphics/layout.h"
#include "sheet/table.h"

namespace ravnelok {

void CopyCommand(Document& doc, Ui& ui) {
  CopyCells(doc, ui);
}

void PasteCommand(Document& doc, Ui& ui) {
  PasteCells(doc, ui);
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

void InsertLinesCommand(Document& doc, Ui& ui) {
  const int top = doc.sheet.Selection().top;
  // Lines with text pushed off the end are lost: the user says so first, or it is as if the
  // dialog was cancelled.
  const auto n = AskInsertCount(doc, ui);
  if (n && (!InsertLosesText(doc, top, *n) ||
            ui.Confirm(doc.texts[TextId::kConfirmCaption], doc.texts[TextId::kInsertPushesLinesOut],
                       doc.texts[TextId::kYes], doc.texts[TextId::kNo]))) {
    InsertBlankLines(doc, top, *n);
  }
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

void DeleteLinesCommand(Document& doc, Ui& ui) {
  const GridRect& selection = doc.sheet.Selection();
  DeleteLines(doc, selection.top, selection.bottom);
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

void ClearSheetCellsCommand(Document& doc, Ui& ui) {
  ClearSheetCells(doc, doc.sheet.Selection());
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

void NewSheetCommand(Document& doc, Ui& ui) {
  if (!ui.Confirm(doc.texts[TextId::kConfirmCaption], doc.texts[TextId::kNewSheetQuestion],
                  doc.texts[TextId::kYes], doc.texts[TextId::kNo])) {
    return;
  }
  BlankSheet(doc);
  ClearTable(doc);
  ClearGraph(doc, ui);
  SetViewMode(doc, ui, ViewMode::kSheet);
}

}  // namespace ravnelok
