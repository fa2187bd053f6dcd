#pragma once

#include "document/modes.h"

namespace ravnelok {

class Document;
class Ui;

// A graph menu item of kind 1..7: makes that graph live and draws it.
void GraphCommand(Document& doc, Ui& ui, GraphKind kind);
// "&Redigér grafik .." and the right click on the graph area: the settings dialog of the
// current kind, then a redraw without collecting again.
void EditGraphSettings(Document& doc, Ui& ui);
// The tool button "Rens grafik".
void ClearGraphCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
