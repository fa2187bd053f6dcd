#include "graphics/graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using K = GraphKind;
using Op = RecordingCanvas::Op;
using testing::FillTable;
using testing::GraphUi;

TEST(GraphCommand, SheetGraphKeepsItsLinesAndTableGraphKeepsTheSheetRows) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 1; k <= 9; ++k) doc.records.StoreValue(k, k);
  doc.sheet.Select({5, 2, 5, 4});
  GraphCommand(doc, ui, K::kSheetBars);
  EXPECT_EQ(std::pair(doc.graph.data.sheet_first_row, doc.graph.data.sheet_last_row),
            std::pair(2, 4));
  EXPECT_TRUE(doc.settings.graph_shown && doc.settings.view_mode == ViewMode::kSheetTableAndGraph);

  // F6 in mode 3: bars of the selected table column at once, no new lay-out.
  FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
  doc.table.Select({1, 1, 1, 3});
  ui.canvas.calls.clear();
  GraphCommand(doc, ui, K::kTableBars);
  EXPECT_EQ(ui.layouts, 1);
  EXPECT_EQ(ui.canvas.Calls(Op::kRectangle).size(), 4u);  // blank + 3 bars

  // Cleared: a later recalculation draws nothing.
  ClearGraph(doc, ui);
  EXPECT_FALSE(doc.settings.graph_shown);
  ui.canvas.calls.clear();
  RefreshGraph(doc, ui);
  EXPECT_TRUE(ui.canvas.calls.empty());
}

TEST(EditGraphSettings, AnswersRedrawFromFreshRangesARefusedBlockLeavesTheLastGraph) {
  Document doc;
  GraphUi ui;
  doc.settings.graph_kind = K::kTableXy;
  EditGraphSettings(doc, ui);  // before any graph command there is nothing to set
  EXPECT_TRUE(ui.dialogs.empty() && ui.canvas.calls.empty());
  FillTable(doc, {{10, 1}, {20, 2}});
  GraphCommand(doc, ui, K::kTableXy);
  EXPECT_NEAR(doc.graph.ranges.x_low, -1.2L, 1e-12L);  // 9..21 widened to show x = 0
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.checks[0] = false; });
  ui.canvas.calls.clear();
  EditGraphSettings(doc, ui);
  EXPECT_NEAR(doc.graph.ranges.x_low, 9, 1e-12L);
  EXPECT_EQ(ui.canvas.Calls(Op::kPolyline).size(), 1u);  // no y axis

  Document bars;
  FillTable(bars, {{5}, {6}, {7}});
  GraphCommand(bars, ui, K::kTableBars);
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 1; });
  ui.canvas.calls.clear();
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph.options.table_x_axis, XAxisLabels::kFromZero);
  // x range -0.3..3.3: bar 1 at 70 + 1.3 / 3.6 x 500 = 250.6 -> 251, less half of "0".
  EXPECT_TRUE(ui.canvas.FindText("0") && ui.canvas.FindText("0")->x1 == 248);
  // A choice outside the group keeps the previous one.
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 5; });
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph.options.table_x_axis, XAxisLabels::kFromZero);
  const std::tuple<GraphKind, GridRect, GridRect, std::string> cases[] = {
      {K::kSheetBars, {5, 1, 5, 3}, {5, 4, 5, 4}, "Markér mindst to rækker"},
      {K::kSheetCurve, {5, 1, 5, 3}, {5, 1, 5, 701}, "Blokken må kun have 700 linier"},
      {K::kTableXy, {0, 1, 1, 3}, {0, 1, 0, 3}, "Markér mindst to søjler og mindst to rækker"},
  };
  for (const auto& [kind, accepted, refused, message] : cases) {
    Document doc;
    doc.InitialiseGrid();
    doc.SetLineCount(800);
    for (int k = 1; k <= 800; ++k) doc.records.StoreValue(k, k);
    FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
    GraphUi ui;
    auto& grid = IsTableGraph(kind) ? doc.table : doc.sheet;
    grid.Select(accepted);
    GraphCommand(doc, ui, kind);
    grid.Select(refused);
    GraphCommand(doc, ui, kind);
    EXPECT_EQ(ui.MessagesUtf8(), std::vector<std::string>{message});
    ui.canvas.calls.clear();
    EditGraphSettings(doc, ui);  // the old drawing stays: nothing refused is drawn over it
    EXPECT_TRUE(ui.canvas.calls.empty()) << message;
  }
}

}  // namespace
}  // namespace ravnelok
