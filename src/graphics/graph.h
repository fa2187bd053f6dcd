#pragma once

#include "document/modes.h"

namespace ravnelok {

class Document;
class Ui;

// The live graph of view mode 3: what the graph menu, the graph area and the passes ask of it.

// A graph menu item of kind 1..7: makes that graph live and draws it.
void GraphCommand(Document& doc, Ui& ui, GraphKind kind);
// Collects, scales and draws the current graph kind again, or reports why not. It lives with the
// data collection (graph_data.cpp).
void RefreshGraph(Document& doc, Ui& ui);
// "&Redigér grafik .." and the right click on the graph area: the settings dialog of the
// current kind, then a redraw without collecting again.
void EditGraphSettings(Document& doc, Ui& ui);
// The tool button "Rens grafik": blanks the graph bitmap, shows it, and ends the live graph
// (graph_shown := false).
void ClearGraph(Document& doc, Ui& ui);

}  // namespace ravnelok
