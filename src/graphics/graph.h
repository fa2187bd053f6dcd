#pragma once

namespace ravnelok {

class Document;
class Ui;

// Kinds 1, 4, 5 and 7 are drawn from the table; 2, 3 and 6 from the sheet.
inline bool IsTableGraph(int kind) {
  return kind == 1 || kind == 4 || kind == 5 || kind == 7;
}

// view_mode := mode, the matching view button pressed, the window laid out.
void SetViewMode(Document& doc, Ui& ui, int mode);
// Blanks the graph bitmap, shows it, and ends the live graph (graph_shown := false).
void ClearGraph(Document& doc, Ui& ui);
// Collects, scales and draws the current graph kind again, or reports why not.
void RefreshGraph(Document& doc, Ui& ui);

}  // namespace ravnelok
