#include "graphics/graph_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using Op = RecordingCanvas::Op;
using testing::FillTable;
using testing::GraphUi;

TEST(GraphCommand, SheetGraphKeepsItsLinesAndTableGraphKeepsTheSheetRows) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 1; k <= 9; ++k) doc.records.StoreValue(k, k);
  doc.sheet.Select({5, 2, 5, 4});
  GraphCommand(doc, ui, 2);
  EXPECT_EQ(doc.graph.sheet_first_row, 2);
  EXPECT_EQ(doc.graph.sheet_last_row, 4);
  EXPECT_TRUE(doc.settings.graph_shown);
  EXPECT_EQ(doc.settings.view_mode, 3);
  EXPECT_EQ(ui.layouts, 1);

  // F6 in mode 3: bars of the selected table column at once, no new lay-out.
  FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
  doc.table.Select({1, 1, 1, 3});
  ui.canvas.calls.clear();
  GraphCommand(doc, ui, 4);
  EXPECT_EQ(ui.layouts, 1);
  EXPECT_EQ(ui.canvas.Calls(Op::kRectangle).size(), 4u);  // blank + 3 bars
  EXPECT_TRUE(ui.messages.empty());

  // Cleared: a later recalculation draws nothing.
  ClearGraphCommand(doc, ui);
  EXPECT_FALSE(doc.settings.graph_shown);
  ui.canvas.calls.clear();
  RefreshGraph(doc, ui);
  EXPECT_TRUE(ui.canvas.calls.empty());
}

TEST(EditGraphSettings, AnswersRedrawFromFreshRanges) {
  Document doc;
  GraphUi ui;
  doc.settings.graph_kind = 1;
  EditGraphSettings(doc, ui);  // before any graph command there is nothing to set
  EXPECT_TRUE(ui.dialogs.empty() && ui.canvas.calls.empty());
  FillTable(doc, {{10, 1}, {20, 2}});
  GraphCommand(doc, ui, 1);
  EXPECT_NEAR(doc.ranges.x_low, -1.2L, 1e-12L);  // 9..21 widened to show x = 0
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.checks[0] = false; });
  ui.canvas.calls.clear();
  EditGraphSettings(doc, ui);
  EXPECT_FALSE(doc.graph_settings.show_x0);
  EXPECT_NEAR(doc.ranges.x_low, 9, 1e-12L);
  EXPECT_EQ(ui.canvas.Calls(Op::kPolyline).size(), 1u);  // no y axis

  Document bars;
  FillTable(bars, {{5}, {6}, {7}});
  GraphCommand(bars, ui, 4);
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 1; });
  ui.canvas.calls.clear();
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph_settings.table_x_axis, 1);
  // x range -0.3..3.3: bar 1 at 70 + 1.3 / 3.6 x 500 = 250.6 -> 251, less half of "0".
  ASSERT_NE(ui.canvas.FindText("0"), nullptr);
  EXPECT_EQ(ui.canvas.FindText("0")->x1, 248);
  // A choice outside the group keeps the previous one.
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 5; });
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph_settings.table_x_axis, 1);
}

}  // namespace
}  // namespace ravnelok
