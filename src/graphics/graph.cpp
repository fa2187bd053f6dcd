#include "graphics/graph.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/ui.h"
#include "graphics/axis.h"
#include "graphics/layout.h"
#include "graphics/render.h"

namespace ravnelok {

void ClearGraph(Document& doc, Ui& ui) {
  if (Canvas* canvas = ui.GraphCanvas()) {
    BlankGraph(*canvas, doc.graph.bitmap_width, doc.graph.bitmap_height);
  }
  ui.GraphChanged();
  doc.settings.graph_shown = false;
  doc.graph.data.drawn = false;
}

namespace {

GraphSettingsDialog DialogFrame(const Document& doc, GraphForm form) {
  GraphSettingsDialog d;
  d.form = form;
  d.caption = doc.texts[TextId::kGraphSettingsCaption];
  d.ok = doc.texts[TextId::kOk];
  return d;
}

// TForm3: the xy-points options.
void RunXyDialog(Document& doc, Ui& ui) {
  GraphSettings& s = doc.graph.options;
  GraphSettingsDialog d = DialogFrame(doc, GraphForm::kXyPoints);
  d.check_captions = {doc.texts[TextId::kShowYAxis], doc.texts[TextId::kShowXAxis],
                      doc.texts[TextId::kConnectPoints], doc.texts[TextId::kSameAxisUnit]};
  d.checks = {s.show_x0, s.show_y0, s.join_points, s.same_unit};
  ui.RunGraphSettingsDialog(d);
  if (d.checks.size() != 4) return;
  s.show_x0 = d.checks[0];
  s.show_y0 = d.checks[1];
  s.join_points = d.checks[2];
  s.same_unit = d.checks[3];
}

// TForm2 (sheet, three choices) and TForm4 (table, the two numeric choices).
void RunAxisDialog(Document& doc, Ui& ui, bool from_sheet) {
  GraphSettings& s = doc.graph.options;
  GraphSettingsDialog d =
      DialogFrame(doc, from_sheet ? GraphForm::kSheetAxis : GraphForm::kTableAxis);
  d.group = doc.texts[TextId::kXAxis];
  // The radio buttons, top to bottom; the table's graphs have no names to show.
  std::vector<XAxisLabels> offered;
  for (const auto& [labels, text] : {std::pair(XAxisLabels::kNames, TextId::kAxisNames),
                                     {XAxisLabels::kFromOne, TextId::kAxisFromOne},
                                     {XAxisLabels::kFromZero, TextId::kAxisFromZero}}) {
    if (labels == XAxisLabels::kNames && !from_sheet) continue;
    offered.push_back(labels);
    d.choices.push_back(doc.texts[text]);
  }
  XAxisLabels& chosen = from_sheet ? s.sheet_x_axis : s.table_x_axis;
  d.choice = static_cast<int>(std::find(offered.begin(), offered.end(), chosen) - offered.begin());
  ui.RunGraphSettingsDialog(d);
  // A choice outside the group keeps the previous one.
  if (d.choice < 0 || d.choice >= static_cast<int>(offered.size())) return;
  chosen = offered[static_cast<size_t>(d.choice)];
}

}  // namespace

void GraphCommand(Document& doc, Ui& ui, GraphKind kind) {
  if (IsSheetGraph(kind)) {
    doc.graph.data.sheet_first_row = doc.sheet.Selection().top;
    doc.graph.data.sheet_last_row = doc.sheet.Selection().bottom;
  }
  doc.settings.graph_shown = true;
  doc.settings.graph_kind = kind;
  if (doc.settings.view_mode != ViewMode::kSheetTableAndGraph) {
    SetViewMode(doc, ui, ViewMode::kSheetTableAndGraph);
  }
  RefreshGraph(doc, ui);
}

void EditGraphSettings(Document& doc, Ui& ui) {
  if (!doc.settings.graph_shown) return;
  switch (doc.settings.graph_kind) {
    case GraphKind::kTableXy:
      // Fresh ranges from the data, so that an option switched off now takes effect.
      if (doc.graph.data.drawn) ScaleXY(doc.graph.data, GraphKind::kTableXy, doc.graph.ranges);
      RunXyDialog(doc, ui);
      break;
    case GraphKind::kSheetBars:
    case GraphKind::kSheetCurve:
      RunAxisDialog(doc, ui, true);
      break;
    case GraphKind::kTableBars:
    case GraphKind::kTableCurve:
      RunAxisDialog(doc, ui, false);
      break;
    default:
      break;
  }
  // After a refused block the old drawing stays on screen; the matrix no longer matches it.
  if (doc.graph.data.drawn) RenderGraph(doc, ui);
}

}  // namespace ravnelok
