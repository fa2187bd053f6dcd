#include "graphics/render.h"

#include <gtest/gtest.h>

#include "graphics/axis.h"
#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using K = GraphKind;

using Op = RecordingCanvas::Op;
using testing::FillTable;
using testing::GraphUi;
using Box = std::vector<int>;
using Texts = std::vector<std::string>;

Box BoxOf(const RecordingCanvas::Call& c) {
  return {c.x1, c.y1, c.x2, c.y2};
}

// The graph of `kind` over `rows`, scaled as a refresh would; bars are named n1, n2, ...
void SetGraph(Document& doc, GraphKind kind, const testing::GraphRows& rows) {
  doc.settings.graph_kind = kind;
  testing::SetData(doc.graph.data, rows);
  for (size_t i = 0; i < rows.size(); ++i)
    doc.graph.data.names[i] = std::string("n").append(std::to_string(i + 1));
  IsBarGraph(kind) ? ScaleBars(doc.graph.data, doc.graph.ranges)
                   : ScaleXY(doc.graph.data, kind, doc.graph.ranges);
}

testing::GraphRows Column(const std::vector<Real>& values) {
  testing::GraphRows rows;
  for (Real v : values) rows.push_back({v});
  return rows;
}

// Blank: one white rectangle inside the frame. Headless: nothing drawn, but the ranges are
// those a drawing would use.
TEST(RenderGraph, BlankFrameOrHeadlessRanges) {
  Document doc;
  GraphUi ui, headless;
  doc.settings.graph_shown = true;
  ClearGraph(doc, ui);
  ASSERT_EQ(ui.canvas.calls.size(), 1u);
  EXPECT_EQ(BoxOf(ui.canvas.calls[0]), (Box{0, 1, 639, 299}));
  EXPECT_EQ(ui.canvas.calls[0].brush, (Brush{BrushStyle::kSolid, colors::kWhite}));
  EXPECT_TRUE(!doc.settings.graph_shown && ui.graph_changes == 1);
  headless.with_canvas = false;
  SetGraph(doc, K::kSheetBars, Column({-4, -1}));
  RenderGraph(doc, headless);
  EXPECT_TRUE(doc.graph.ranges.y_high == 0 && headless.canvas.calls.empty());
}

// Bars 2, 5, 3: x -0.3..3.3 over pixels 70..570, y -0.5..5.5 over 270..30; zero row 250.
TEST(DrawGraph, BarsStandOnTheZeroRowWithAnArrowedXAxis) {
  Document doc;
  RecordingCanvas cv;
  SetGraph(doc, K::kSheetBars, Column({2, 5, 3}));
  DrawGraph(doc, cv, 1);
  std::vector<Box> bars;
  for (const auto& r : cv.Calls(Op::kRectangle)) bars.push_back(BoxOf(r));
  EXPECT_EQ(cv.Calls(Op::kRectangle)[0].brush.style, BrushStyle::kClear);
  EXPECT_EQ(bars,
            (std::vector<Box>{{250, 250, 252, 170}, {388, 250, 390, 50}, {527, 250, 529, 130}}));
  const auto arrows = cv.Calls(Op::kPolyline);
  ASSERT_EQ(arrows.size(), 1u);  // bars have no y axis
  EXPECT_EQ(arrows[0].points, (std::vector<Point>{{576, 250}, {570, 247}, {570, 253}, {576, 250}}));
  int axes = 0;
  for (const auto& l : cv.Calls(Op::kLineTo)) axes += BoxOf(l) == Box{70, 250, 570, 250};
  EXPECT_EQ(axes, 1);
  // Names three pixels below the axis, centred under their bars.
  Texts names;
  for (const auto& c : cv.Calls(Op::kTextOut))
    if (c.y1 == 253) names.push_back(c.text);
  EXPECT_EQ(names, (Texts{"n1", "n2", "n3"}));
  EXPECT_EQ(cv.FindText("n2")->x1, 389 - 6);
}

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
