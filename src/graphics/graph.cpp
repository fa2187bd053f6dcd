#include "graphics/graph.h"

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
  if (from_sheet) d.choices.push_back(doc.texts[TextId::kAxisNames]);
  d.choices.push_back(doc.texts[TextId::kAxisFromOne]);
  d.choices.push_back(doc.texts[TextId::kAxisFromZero]);
  d.choice = from_sheet ? s.sheet_x_axis : s.table_x_axis;
  ui.RunGraphSettingsDialog(d);
  // A choice outside the group keeps the previous one.
  if (d.choice < 0 || d.choice >= static_cast<int>(d.choices.size())) return;
  (from_sheet ? s.sheet_x_axis : s.table_x_axis) = d.choice;
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
