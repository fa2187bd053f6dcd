#include "graphics/render.h"

#include <gtest/gtest.h>

#include "graphics/axis.h"
#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using K = GraphKind;

using Op = RecordingCanvas::Op;
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

// Names stagger in two rows from 11 bars and in three from 21, and go beyond 30; numbers stagger
// from 26 and go beyond 50. Each case: the offsets below the zero row of the first three labels.
TEST(DrawGraph, BarLabelsStaggerAndStopAtTheirLimits) {
  constexpr int kTh = RecordingCanvas::kTextHeight;
  using L = XAxisLabels;
  // clang-format off
  const std::tuple<L, int, std::vector<int>, std::string> cases[] = {
      {L::kNames, 10, {3, 3, 3}, "n1"}, {L::kNames, 11, {3, kTh + 6, 3}, "n1"},
      {L::kNames, 20, {3, kTh + 6, 3}, "n1"}, {L::kNames, 21, {3, kTh + 6, 2 * kTh + 9}, "n1"},
      {L::kNames, 30, {3, kTh + 6, 2 * kTh + 9}, "n1"}, {L::kNames, 31, {}, ""},
      {L::kFromOne, 25, {3, 3, 3}, "1"}, {L::kFromZero, 26, {3, kTh + 6, 3}, "0"},
      {L::kFromOne, 50, {3, kTh + 6, 3}, "1"}, {L::kFromOne, 51, {}, ""}};
  // clang-format on
  for (const auto& [labels, n, offsets, first] : cases) {
    Document doc;
    doc.graph.options.sheet_x_axis = labels;
    SetGraph(doc, K::kSheetBars, Column(std::vector<Real>(n, 1)));
    RecordingCanvas cv;
    DrawGraph(doc, cv, 1);
    const int py0 = cv.Calls(Op::kPolyline)[0].points[0].y;
    std::vector<int> got;
    std::string got_first;
    int count = 0;
    for (const auto& c : cv.Calls(Op::kTextOut)) {
      if (c.y1 <= py0) continue;  // a y label
      if (count++ == 0) got_first = c.text;
      if (got.size() < 3) got.push_back(c.y1 - py0);
    }
    EXPECT_EQ(std::tie(got, got_first, count), std::tuple(offsets, first, offsets.empty() ? 0 : n))
        << n;
  }
}

}  // namespace
}  // namespace ravnelok
