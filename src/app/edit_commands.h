#pragma once

namespace ravnelok {

class Document;
class Ui;

// The commands on cells and whole lines of the sheet; all but the copy end with a fresh
// recalculation (the table starts afresh), as the engines leave the sheet to it.

// "Tag kopi" (Ctrl+C) and "Sæt kopi" (Ctrl+V) on the sheet's selection.
void CopyCommand(Document& doc, Ui& ui);
void PasteCommand(Document& doc, Ui& ui);
// "Indsæt linier": blank lines above the selection, as many as the dialog gives.
void InsertLinesCommand(Document& doc, Ui& ui);
// "Fjern linier": the selected lines go.
void DeleteLinesCommand(Document& doc, Ui& ui);
// "Rens linier" (Del) with the sheet grid focused: the selected cells are emptied.
void ClearSheetCellsCommand(Document& doc, Ui& ui);
// "Nyt ark", after confirmation: a blank sheet, no table, no graph, the sheet alone in view.
void NewSheetCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
