#include "graphics/graph_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/graph_test_support.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::FillTable;
using testing::GraphUi;
using testing::SetLine;

std::string Utf8(const std::string& s) {
  return cp1252::ToUtf8(s);
}

TEST(GraphCommand, SheetGraphsTakeTheSelectionAndShowTheGraphArea) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 1; k <= 9; ++k) SetLine(doc, k, k);
  doc.sheet.Select({5, 2, 5, 4});
  GraphCommand(doc, ui, 2);
  EXPECT_EQ(doc.graph.sheet_first_row, 2);
  EXPECT_EQ(doc.graph.sheet_last_row, 4);
  EXPECT_TRUE(doc.settings.graph_shown);
  EXPECT_EQ(doc.settings.graph_kind, 2);
  EXPECT_EQ(doc.settings.view_mode, 3);
  EXPECT_EQ(ui.layouts, 1);
  EXPECT_EQ(doc.graph.data_rows, 3);
  EXPECT_EQ(ui.graph_changes, 1);

  // A later selection does not move the graph: a refresh still shows lines 2 to 4.
  doc.sheet.Select({5, 6, 5, 9});
  RefreshGraph(doc, ui);
  EXPECT_EQ(doc.graph.data_rows, 3);
  EXPECT_EQ(doc.graph.At(0, 0), 2);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(GraphCommand, TableGraphsLeaveTheSheetRowsAndMode3IsKept) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
  doc.graph.sheet_first_row = 7;
  doc.sheet.Select({5, 1, 5, 2});
  doc.settings.view_mode = 3;
  doc.settings.graph_shown = true;
  doc.settings.graph_kind = 1;
  doc.table.Select({1, 1, 1, 3});
  GraphCommand(doc, ui, 4);  // F6: redraws at once as bars of the selected column
  EXPECT_EQ(ui.layouts, 0);
  EXPECT_EQ(doc.graph.sheet_first_row, 7);
  EXPECT_EQ(doc.settings.graph_kind, 4);
  EXPECT_EQ(doc.graph.data_rows, 3);
  EXPECT_EQ(doc.graph.At(2, 0), 30);
  EXPECT_EQ(ui.canvas.Calls(RecordingCanvas::Op::kRectangle).size(), 4u);  // blank + 3 bars
}

TEST(EditGraphSettings, DialogsByKind) {
  struct Case {
    int kind;
    int form;  // 0: no dialog
    std::vector<std::string> choices;
    std::vector<std::string> checks;
  } cases[] = {
      {1,
       3,
       {},
       {" x=0 vises (y-aksen tegnes)", " y=0 vises (x-aksen tegnes)", " Forbind punkterne",
        "Samme enhed på akserne"}},
      {2, 2, {" navne på aksen", " 1, 2, 3, ... på aksen", " 0, 1, 2, ... på aksen"}, {}},
      {3, 2, {" navne på aksen", " 1, 2, 3, ... på aksen", " 0, 1, 2, ... på aksen"}, {}},
      {4, 4, {" 1, 2, 3, ... på aksen", " 0, 1, 2, ... på aksen"}, {}},
      {5, 4, {" 1, 2, 3, ... på aksen", " 0, 1, 2, ... på aksen"}, {}},
      {6, 0, {}, {}},
      {7, 0, {}, {}},
  };
  for (const Case& c : cases) {
    Document doc;
    GraphUi ui;
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = c.kind;
    doc.graph.data_rows = 2;
    doc.graph.data_columns = 2;
    EditGraphSettings(doc, ui);
    // Every kind redraws, without collecting again.
    EXPECT_EQ(ui.graph_changes, 1) << c.kind;
    EXPECT_EQ(ui.canvas.calls.front().op, RecordingCanvas::Op::kRectangle);
    if (c.form == 0) {
      EXPECT_TRUE(ui.dialogs.empty()) << c.kind;
      continue;
    }
    ASSERT_EQ(ui.dialogs.size(), 1u) << c.kind;
    const GraphSettingsDialog& d = ui.dialogs[0];
    EXPECT_EQ(d.form, c.form);
    EXPECT_EQ(Utf8(d.caption), "Indstil grafik");
    EXPECT_EQ(Utf8(d.ok), "OK");
    std::vector<std::string> choices, checks;
    for (const auto& s : d.choices) choices.push_back(Utf8(s));
    for (const auto& s : d.check_captions) checks.push_back(Utf8(s));
    EXPECT_EQ(choices, c.choices) << c.kind;
    EXPECT_EQ(checks, c.checks) << c.kind;
    EXPECT_EQ(Utf8(d.group), c.form == 3 ? "" : "x-aksen");
  }
}

TEST(EditGraphSettings, NothingBeforeAGraphCommand) {
  Document doc;
  GraphUi ui;
  doc.settings.graph_kind = 1;
  EditGraphSettings(doc, ui);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.canvas.calls.empty());
  EXPECT_EQ(ui.graph_changes, 0);
}

TEST(EditGraphSettings, XZeroOffRedrawsFromFreshRanges) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{10, 1}, {20, 2}});
  GraphCommand(doc, ui, 1);
  EXPECT_NEAR(doc.ranges.x_low, -1.2L, 1e-12L);  // 9..21 widened to show x = 0
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.checks[0] = false; });
  ui.canvas.calls.clear();
  EditGraphSettings(doc, ui);
  EXPECT_FALSE(doc.graph_settings.show_x0);
  EXPECT_NEAR(doc.ranges.x_low, 9, 1e-12L);
  EXPECT_NEAR(doc.ranges.x_high, 21, 1e-12L);
  EXPECT_EQ(ui.canvas.Calls(RecordingCanvas::Op::kPolyline).size(), 1u);  // no y axis
}

TEST(EditGraphSettings, TableChoiceZeroLabelsTheFirstBarZero) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{5}, {6}, {7}});
  GraphCommand(doc, ui, 4);
  ASSERT_NE(ui.canvas.FindText("1"), nullptr);
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 1; });
  ui.canvas.calls.clear();
  EditGraphSettings(doc, ui);
  EXPECT_EQ(doc.graph_settings.table_x_axis, 1);
  const auto* first = ui.canvas.FindText("0");
  ASSERT_NE(first, nullptr);
  // x range -0.3..3.3: bar 1 at 70 + 1.3 / 3.6 x 500 = 250.6 -> 251, less half of "0".
  EXPECT_EQ(first->x1, 248);

  // A choice outside the group keeps the previous one.
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 5; });
  EditGraphSettings(doc, ui);
  EXPECT_EQ(doc.graph_settings.table_x_axis, 1);
}

TEST(ClearGraphCommand, EndsTheLiveGraph) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{1, 1}, {2, 2}});
  GraphCommand(doc, ui, 1);
  ClearGraphCommand(doc, ui);
  EXPECT_FALSE(doc.settings.graph_shown);
  ui.canvas.calls.clear();
  RefreshGraph(doc, ui);  // a later recalculation draws nothing
  EXPECT_TRUE(ui.canvas.calls.empty());
}

}  // namespace
}  // namespace ravnelok
