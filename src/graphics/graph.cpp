#include "graphics/graph.h"

#include "app/document.h"
#include "app/ui.h"

namespace ravnelok {

void SetViewMode(Document& doc, Ui& ui, int mode) {
  doc.settings.view_mode = mode;
  ui.LayOutWindow();
}

// Graphs are not drawn yet: clearing only ends the live graph, refreshing does nothing.
void ClearGraph(Document& doc, Ui& ui) {
  doc.settings.graph_shown = false;
  ui.GraphChanged();
}

void RefreshGraph(Document&, Ui&) {}

}  // namespace ravnelok
