#include "graphics/render.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/axis.h"
#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using Op = RecordingCanvas::Op;
using testing::GraphUi;
using Box = std::vector<int>;
constexpr int kTh = RecordingCanvas::kTextHeight;
const Pen kBlackPen{colors::kBlack, PenStyle::kSolid, 1};

int Width(const std::string& text) {
  return RecordingCanvas::kCharWidth * static_cast<int>(text.size());
}

Box BoxOf(const RecordingCanvas::Call& c) {
  return {c.x1, c.y1, c.x2, c.y2};
}

// The graph of `kind` over `rows`, scaled as a refresh would; bars are named n1, n2, ...
void SetGraph(Document& doc, int kind, const testing::GraphRows& rows) {
  doc.settings.graph_kind = kind;
  testing::SetData(doc.graph, rows);
  for (size_t i = 0; i < rows.size(); ++i) doc.graph.names[i] = "n" + std::to_string(i + 1);
  if (kind >= 2 && kind <= 5) {
    ScaleBars(doc.graph, doc.ranges);
  } else {
    ScaleXY(doc.graph, kind, doc.ranges);
  }
}

// Value to pixel as the last drawing had it.
AxisMap Map(const Document& doc) {
  return AxisMap{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
}

testing::GraphRows Column(const std::vector<Real>& values) {
  testing::GraphRows rows;
  for (Real v : values) rows.push_back({v});
  return rows;
}

// Texts drawn with their top at `top`.
std::vector<std::string> TextsAt(const RecordingCanvas& cv, int top) {
  std::vector<std::string> out;
  for (const auto& c : cv.Calls(Op::kTextOut)) {
    if (c.y1 == top) out.push_back(c.text);
  }
  return out;
}

TEST(RenderGraph, BlankFrameOrHeadlessRanges) {
  Document doc;
  GraphUi ui;
  doc.settings.graph_shown = true;
  ClearGraph(doc, ui);
  ASSERT_EQ(ui.canvas.calls.size(), 1u);
  const auto& blank = ui.canvas.calls[0];
  EXPECT_EQ(blank.op, Op::kRectangle);
  EXPECT_EQ(BoxOf(blank), (Box{0, 1, 639, 299}));
  EXPECT_EQ(blank.brush, (Brush{BrushStyle::kSolid, colors::kWhite}));
  EXPECT_EQ(blank.pen, kBlackPen);
  EXPECT_FALSE(doc.settings.graph_shown);
  EXPECT_EQ(ui.graph_changes, 1);

  // Headless: nothing drawn, but the ranges are those a drawing would use.
  GraphUi headless;
  headless.with_canvas = false;
  SetGraph(doc, 2, Column({-4, -1}));
  RenderGraph(doc, headless);
  EXPECT_EQ(doc.ranges.y_high, 0);
  EXPECT_TRUE(headless.canvas.calls.empty());
}

TEST(DrawGraph, BarsStandOnTheZeroRowWithAnArrowedXAxis) {
  Document doc;
  RecordingCanvas cv;
  SetGraph(doc, 2, Column({2, 5, 3}));  // y -0.5..5.5: zero row 250
  DrawGraph(doc, cv, 1);
  const AxisMap map = Map(doc);
  const auto rects = cv.Calls(Op::kRectangle);
  ASSERT_EQ(rects.size(), 3u);
  for (int b = 1; b <= 3; ++b) {
    const int px = map.Px(b);
    EXPECT_EQ(BoxOf(rects[b - 1]), (Box{px - 1, 250, px + 1, map.Py(doc.graph.At(b - 1, 0))}));
    EXPECT_EQ(rects[b - 1].brush.style, BrushStyle::kClear);
    EXPECT_EQ(rects[b - 1].pen, kBlackPen);
  }
  const auto arrows = cv.Calls(Op::kPolyline);
  ASSERT_EQ(arrows.size(), 1u);  // bars have no y axis
  EXPECT_EQ(arrows[0].points, (std::vector<Point>{{576, 250}, {570, 247}, {570, 253}, {576, 250}}));
  int axes = 0;
  for (const auto& l : cv.Calls(Op::kLineTo)) axes += BoxOf(l) == Box{70, 250, 570, 250};
  EXPECT_EQ(axes, 1);
  // Names three pixels below the axis, centred under their bars.
  EXPECT_EQ(TextsAt(cv, 253), (std::vector<std::string>{"n1", "n2", "n3"}));
  EXPECT_EQ(cv.FindText("n2")->x1, map.Px(2) - Width("n2") / 2);
}

TEST(DrawGraph, GridLabelsOnScreenAndForThePrinter) {
  struct Case {
    bool printing;
    int s;
    const char* font;
    int shift;
    Pen grid;
  } cases[] = {{false, 1, "smallfont", 0, {colors::kSilver, PenStyle::kDotted, 1}},
               {true, 2, "arial", 6, {colors::kRed, PenStyle::kSolid, 1}}};
  for (const Case& c : cases) {
    Document doc;
    RecordingCanvas cv;
    cv.SetPen(Pen{colors::kRed, PenStyle::kSolid, 3});  // what a printer caller left
    doc.printing = c.printing;
    SetGraph(doc, 2, Column({2, 5, 3}));
    DrawGraph(doc, cv, c.s);
    const AxisMap map = Map(doc);
    const auto* label = cv.FindText("4");  // integral data: step 1
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x1, 75 * c.s - Width("4") - 5 - c.shift);
    EXPECT_EQ(label->y1, (map.Py(4) - 5) * c.s);
    EXPECT_EQ(label->font, (Font{c.font, 6}));
    const auto lines = cv.Calls(Op::kLineTo);
    ASSERT_FALSE(lines.empty());
    const int y1 = map.Py(1) * c.s;  // the first grid line is that of y = 1
    EXPECT_EQ(BoxOf(lines.front()), (Box{70 * c.s, y1, 570 * c.s, y1}));
    EXPECT_EQ(lines.front().pen, c.grid);
    EXPECT_EQ(cv.FindText("n1")->y1, 250 * c.s + 3);  // bar names are not shifted
  }
}

TEST(DrawGraph, BarLabelOffsets) {
  struct Case {
    int kind, sheet_axis, table_axis, n;
    std::vector<std::pair<std::string, int>> want;  // a bar label and its offset below the axis
    size_t count;
  } cases[] = {
      {2, 0, 0, 15, {{"n1", 3}, {"n2", kTh + 6}, {"n15", 3}, {"n14", kTh + 6}}, 15},
      {3, 0, 0, 21, {{"n1", 3}, {"n2", kTh + 6}, {"n3", 2 * kTh + 9}, {"n21", 2 * kTh + 9}}, 21},
      {2, 0, 0, 31, {}, 0},
      {4, 0, 1, 5, {{"0", 3}, {"1", 3}, {"4", 3}}, 5},
      {5, 0, 0, 26, {{"1", 3}, {"2", kTh + 6}, {"26", kTh + 6}}, 26},
      {4, 0, 0, 50, {{"49", 3}, {"50", kTh + 6}}, 50},
      {4, 0, 0, 51, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << ", " << c.n << " bars");
    Document doc;
    RecordingCanvas cv;
    doc.graph_settings.sheet_x_axis = c.sheet_axis;
    doc.graph_settings.table_x_axis = c.table_axis;
    // Values 0.5 keep every y label a fraction, so the bar labels are easy to tell apart.
    SetGraph(doc, c.kind, Column(std::vector<Real>(c.n, 0.5L)));
    DrawGraph(doc, cv, 1);
    const AxisMap map = Map(doc);
    const int py0 = map.Py(0);
    size_t bar_labels = 0;
    for (const auto& t : cv.Calls(Op::kTextOut)) bar_labels += t.y1 > py0;
    EXPECT_EQ(bar_labels, c.count);
    for (const auto& [text, u] : c.want) {
      const auto* t = cv.FindText(text);
      ASSERT_NE(t, nullptr) << text;
      EXPECT_EQ(t->y1, py0 + u) << text;
    }
    if (c.count > 0) {
      const int choice = c.kind <= 3 ? c.sheet_axis : c.table_axis + 1;
      const std::string bar1 = choice == 0 ? "n1" : choice == 1 ? "1" : "0";
      ASSERT_NE(cv.FindText(bar1), nullptr);
      EXPECT_EQ(cv.FindText(bar1)->x1, map.Px(1) - Width(bar1) / 2);
    }
  }
}

TEST(DrawGraph, FrequencyBarsThreePixelsWideFromTheCount) {
  Document doc;
  RecordingCanvas cv;
  SetGraph(doc, 7, {{1, 1}, {2, 1}, {3, 3}});
  DrawGraph(doc, cv, 1);
  const AxisMap map = Map(doc);
  const auto rects = cv.Calls(Op::kRectangle);
  ASSERT_EQ(rects.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const int px = map.Px(i + 1);
    EXPECT_EQ(BoxOf(rects[i]), (Box{px - 1, map.Py(doc.graph.At(i, 1)), px + 2, 251}));
    EXPECT_EQ(rects[i].brush.style, BrushStyle::kClear);
  }
  EXPECT_NEAR(250 - rects[2].y1, 3 * (250 - rects[0].y1), 1);
  // Whole values: x labels 1, 2, 3 under the axis.
  EXPECT_EQ(TextsAt(cv, 253), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(DrawGraph, XLabelsThinnedFrom0To1500AndEveryGridLineDrawn) {
  Document doc;
  RecordingCanvas cv;
  doc.settings.graph_kind = 1;
  doc.graph.data_columns = 2;
  doc.ranges = {0, 1500, -1, 11};
  DrawGraph(doc, cv, 1);
  const int py0 = Map(doc).Py(0);
  EXPECT_EQ(TextsAt(cv, py0 + 3),
            (std::vector<std::string>{"100", "200", "300", "400", "500", "600", "700", "800", "900",
                                      "1000", "1200", "1400"}));
  int vertical_grid = 0;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    vertical_grid += l.x1 == l.x2 && l.y1 == 30 && l.y2 == 270 && l.pen.style == PenStyle::kDotted;
  }
  EXPECT_EQ(vertical_grid, 14);
}

TEST(DrawGraph, SeriesColoursAndJoinedPoints) {
  Document doc;
  RecordingCanvas cv;
  doc.graph_settings.join_points = true;
  SetGraph(doc, 1, {{2, 1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7}});
  DrawGraph(doc, cv, 1);
  const AxisMap map = Map(doc);
  const auto circles = cv.Calls(Op::kEllipse);
  ASSERT_EQ(circles.size(), 12u);
  const Color want[] = {colors::kBlack, colors::kBlue,  colors::kRed,
                        colors::kTeal,  colors::kGreen, colors::kBlack};
  for (int j = 1; j <= 6; ++j) {
    for (int i = 0; i < 2; ++i) {  // rows sorted by x: row 0 is now x = 1
      const auto& e = circles[(j - 1) * 2 + i];
      EXPECT_EQ(e.pen.color, want[j - 1]) << "series " << j;
      const int px = map.Px(i + 1), py = map.Py(doc.graph.At(i, j));
      EXPECT_EQ(BoxOf(e), (Box{px - 2, py - 2, px + 3, py + 3}));
    }
  }
  // One joining line per series, from its first point to its second, in its colour.
  std::vector<Color> joins;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    if (l.pen.style == PenStyle::kSolid && l.x1 == map.Px(1) && l.x2 == map.Px(2)) {
      joins.push_back(l.pen.color);
    }
  }
  EXPECT_EQ(joins, std::vector<Color>(std::begin(want), std::end(want)));
  EXPECT_EQ(SeriesColor(10), colors::kGreen);
}

}  // namespace
}  // namespace ravnelok
