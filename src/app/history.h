#pragma once

namespace ravnelok {

class Document;
class SheetChange;
class Ui;

// Undo and redo of a recorded change (document/sheet_change.h): the sheet, the table and the
// records go back exactly to the state before the change, or forward to the state after it,
// without a recalculation (a pass would add a table row or clear the table). Then the window
// shows that state: laid out for its view mode, the live graph drawn from it, or blanked when
// that state has none.
void UndoSheetChange(Document& doc, Ui& ui, SheetChange& change);
void RedoSheetChange(Document& doc, Ui& ui, SheetChange& change);

}  // namespace ravnelok
