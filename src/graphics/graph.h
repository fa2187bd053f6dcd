#pragma once

#include "document/modes.h"

namespace ravnelok {

class Document;
class Ui;

// view_mode := mode, the matching view button pressed, the window laid out.
void SetViewMode(Document& doc, Ui& ui, ViewMode mode);
// Blanks the graph bitmap, shows it, and ends the live graph (graph_shown := false).
void ClearGraph(Document& doc, Ui& ui);
// Collects, scales and draws the current graph kind again, or reports why not.
void RefreshGraph(Document& doc, Ui& ui);

}  // namespace ravnelok
