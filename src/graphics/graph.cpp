#include "graphics/graph.h"

#include "document/document.h"
#include "document/ui.h"
#include "graphics/render.h"

namespace ravnelok {

void SetViewMode(Document& doc, Ui& ui, ViewMode mode) {
  doc.settings.view_mode = mode;
  ui.LayOutWindow();
}

void ClearGraph(Document& doc, Ui& ui) {
  if (Canvas* canvas = ui.GraphCanvas()) {
    BlankGraph(*canvas, doc.graph.bitmap_width, doc.graph.bitmap_height);
  }
  ui.GraphChanged();
  doc.settings.graph_shown = false;
  doc.graph.data.drawn = false;
}

// RefreshGraph lives with the data collection (graph_data.cpp).

}  // namespace ravnelok
