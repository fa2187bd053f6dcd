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
constexpr int kTh = RecordingCanvas::kTextHeight;

int Width(const std::string& text) {
  return RecordingCanvas::kCharWidth * text.size();
}

// Bars or a curve of `values`, scaled as a refresh would.
void SetBars(Document& doc, int kind, const std::vector<Real>& values) {
  doc.settings.graph_kind = kind;
  doc.graph.data_rows = static_cast<int>(values.size());
  doc.graph.data_columns = 1;
  for (size_t i = 0; i < values.size(); ++i) {
    doc.graph.At(i, 0) = values[i];
    doc.graph.names[i] = "n" + std::to_string(i + 1);
  }
  ScaleBars(doc.graph, doc.ranges);
}

void SetXy(Document& doc, int kind, const std::vector<std::vector<Real>>& rows) {
  doc.settings.graph_kind = kind;
  doc.graph.data_rows = static_cast<int>(rows.size());
  doc.graph.data_columns = static_cast<int>(rows[0].size());
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) doc.graph.At(i, j) = rows[i][j];
  }
  ScaleXY(doc.graph, kind, doc.ranges);
}

// Texts drawn with their top at `top`.
std::vector<std::string> TextsAt(const RecordingCanvas& cv, int top) {
  std::vector<std::string> out;
  for (const auto& c : cv.Calls(Op::kTextOut)) {
    if (c.y1 == top) out.push_back(c.text);
  }
  return out;
}

TEST(ClearGraph, WhiteFieldWithAFrameAndTheGraphEnds) {
  Document doc;
  GraphUi ui;
  doc.settings.graph_shown = true;
  ClearGraph(doc, ui);
  ASSERT_EQ(ui.canvas.calls.size(), 1u);
  const auto& c = ui.canvas.calls[0];
  EXPECT_EQ(c.op, Op::kRectangle);
  EXPECT_EQ((std::vector<int>{c.x1, c.y1, c.x2, c.y2}), (std::vector<int>{0, 1, 639, 299}));
  EXPECT_EQ(c.brush, (Brush{BrushStyle::kSolid, colors::kWhite}));
  EXPECT_EQ(c.pen, (Pen{colors::kBlack, PenStyle::kSolid, 1}));
  EXPECT_FALSE(doc.settings.graph_shown);
  EXPECT_EQ(ui.graph_changes, 1);
}

TEST(DrawGraph, BarsStandOnTheZeroRowWithAnArrowedXAxis) {
  Document doc;
  RecordingCanvas cv;
  SetBars(doc, 2, {2, 5, 3});  // y range -0.5..5.5: zero row 250
  DrawGraph(doc, cv, 1);
  const auto rects = cv.Calls(Op::kRectangle);
  ASSERT_EQ(rects.size(), 3u);
  const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
  for (int b = 1; b <= 3; ++b) {
    const auto& r = rects[b - 1];
    const int px = map.Px(b);
    EXPECT_EQ((std::vector<int>{r.x1, r.y1, r.x2, r.y2}),
              (std::vector<int>{px - 1, 250, px + 1, map.Py(doc.graph.At(b - 1, 0))}));
    EXPECT_EQ(r.brush.style, BrushStyle::kClear);
    EXPECT_EQ(r.pen, (Pen{colors::kBlack, PenStyle::kSolid, 1}));
  }
  const auto arrows = cv.Calls(Op::kPolyline);
  ASSERT_EQ(arrows.size(), 1u);  // bars have no y axis
  EXPECT_EQ(arrows[0].points, (std::vector<Point>{{576, 250}, {570, 247}, {570, 253}, {576, 250}}));
  bool axis = false;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    axis |=
        l.x1 == 70 && l.y1 == 250 && l.x2 == 570 && l.y2 == 250 && l.pen.style == PenStyle::kSolid;
  }
  EXPECT_TRUE(axis);
  // Names under the bars, three pixels below the axis, centred.
  EXPECT_EQ(TextsAt(cv, 253), (std::vector<std::string>{"n1", "n2", "n3"}));
  EXPECT_EQ(cv.FindText("n2")->x1, map.Px(2) - Width("n2") / 2);
}

TEST(DrawGraph, GridLabelsOnScreenAndForThePrinter) {
  struct Case {
    bool printing;
    int s;
    const char* font;
    int shift;
  } cases[] = {{false, 1, "smallfont", 0}, {true, 2, "arial", 6}};
  for (const Case& c : cases) {
    Document doc;
    RecordingCanvas cv;
    cv.SetPen(Pen{colors::kRed, PenStyle::kSolid, 3});  // what a printer caller left
    doc.printing = c.printing;
    SetBars(doc, 2, {2, 5, 3});
    DrawGraph(doc, cv, c.s);
    const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
    const auto* label = cv.FindText("4");  // integral data: step 1
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x1, 75 * c.s - Width("4") - 5 - c.shift);
    EXPECT_EQ(label->y1, (map.Py(4) - 5) * c.s);
    EXPECT_EQ(label->font, (Font{c.font, 6}));
    const auto lines = cv.Calls(Op::kLineTo);
    ASSERT_FALSE(lines.empty());
    const auto& grid = lines.front();  // the first grid line is that of y = 1
    EXPECT_EQ((std::vector<int>{grid.x1, grid.y1, grid.x2, grid.y2}),
              (std::vector<int>{70 * c.s, map.Py(1) * c.s, 570 * c.s, map.Py(1) * c.s}));
    const Pen want = c.printing ? Pen{colors::kRed, PenStyle::kSolid, 1}
                                : Pen{colors::kSilver, PenStyle::kDotted, 1};
    EXPECT_EQ(grid.pen, want);
    // Bar names are not shifted by the printer's text offset.
    EXPECT_EQ(cv.FindText("n1")->y1, 250 * c.s + 3);
  }
}

TEST(DrawGraph, BarLabelOffsets) {
  struct Case {
    const char* what;
    int kind, sheet_axis, table_axis, n;
    std::vector<std::pair<std::string, int>> want;  // label of bar b (1-based) and its offset u
    size_t count;
  } cases[] = {
      {"15 names", 2, 0, 0, 15, {{"n1", 3}, {"n2", kTh + 6}, {"n15", 3}, {"n14", kTh + 6}}, 15},
      {"21 names",
       3,
       0,
       0,
       21,
       {{"n1", 3}, {"n2", kTh + 6}, {"n3", (kTh + 3) * 2 + 3}, {"n21", (kTh + 3) * 2 + 3}},
       21},
      {"10 names", 2, 0, 0, 10, {{"n2", 3}, {"n10", 3}}, 10},
      {"31 names", 2, 0, 0, 31, {}, 0},
      {"five from zero", 4, 0, 1, 5, {{"0", 3}, {"1", 3}, {"4", 3}}, 5},
      {"five from one, sheet", 2, 1, 0, 5, {{"1", 3}, {"5", 3}}, 5},
      {"26 numbers", 5, 0, 0, 26, {{"1", 3}, {"2", kTh + 6}, {"26", kTh + 6}}, 26},
      {"50 numbers", 4, 0, 0, 50, {{"49", 3}, {"50", kTh + 6}}, 50},
      {"51 numbers", 4, 0, 0, 51, {}, 0},
  };
  for (const Case& c : cases) {
    Document doc;
    RecordingCanvas cv;
    doc.graph_settings.sheet_x_axis = c.sheet_axis;
    doc.graph_settings.table_x_axis = c.table_axis;
    // Values 0.5 keep every y label a fraction, so the bar labels are easy to tell apart.
    SetBars(doc, c.kind, std::vector<Real>(c.n, 0.5L));
    DrawGraph(doc, cv, 1);
    const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
    const int py0 = map.Py(0);
    size_t bar_labels = 0;
    for (const auto& t : cv.Calls(Op::kTextOut)) bar_labels += t.y1 > py0;
    EXPECT_EQ(bar_labels, c.count) << c.what;
    for (const auto& [text, u] : c.want) {
      const auto* t = cv.FindText(text);
      ASSERT_NE(t, nullptr) << c.what << " " << text;
      EXPECT_EQ(t->y1, py0 + u) << c.what << " " << text;
    }
    if (c.count > 0) {
      const int choice = c.kind <= 3 ? c.sheet_axis : c.table_axis + 1;
      const std::string bar1 = choice == 0 ? "n1" : choice == 1 ? "1" : "0";
      const auto* first = cv.FindText(bar1);
      ASSERT_NE(first, nullptr) << c.what;
      EXPECT_EQ(first->x1, map.Px(1) - Width(bar1) / 2) << c.what;
    }
  }
}

TEST(DrawGraph, FrequencyBarsThreePixelsWideFromTheCount) {
  Document doc;
  RecordingCanvas cv;
  SetXy(doc, 7, {{1, 1}, {2, 1}, {3, 3}});
  DrawGraph(doc, cv, 1);
  const auto rects = cv.Calls(Op::kRectangle);
  ASSERT_EQ(rects.size(), 3u);
  const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
  const int py0 = map.Py(0);
  EXPECT_EQ(py0, 250);
  std::vector<int> heights;
  for (int i = 0; i < 3; ++i) {
    const auto& r = rects[i];
    const int px = map.Px(i + 1);
    EXPECT_EQ(r.x1, px - 1);
    EXPECT_EQ(r.x2, px + 2);
    EXPECT_EQ(r.y2, py0 + 1);
    EXPECT_EQ(r.pen.color, colors::kBlack);
    EXPECT_EQ(r.brush.style, BrushStyle::kClear);
    heights.push_back(py0 - r.y1);
  }
  EXPECT_EQ(heights[0], heights[1]);
  EXPECT_NEAR(heights[2], 3 * heights[0], 1);
  // Whole values: x labels 1, 2, 3 under the axis, zero included but outside the range.
  EXPECT_EQ(TextsAt(cv, py0 + 3), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(DrawGraph, XLabelsThinnedFrom0To1500AndEveryGridLineDrawn) {
  Document doc;
  RecordingCanvas cv;
  doc.settings.graph_kind = 1;
  doc.graph.data_rows = 0;
  doc.graph.data_columns = 2;
  doc.ranges = {0, 1500, -1, 11};
  DrawGraph(doc, cv, 1);
  const int py0 = AxisMap{doc.ranges, PlotGeometry::ForBitmap(640, 300)}.Py(0);
  EXPECT_EQ(TextsAt(cv, py0 + 3),
            (std::vector<std::string>{"100", "200", "300", "400", "500", "600", "700", "800", "900",
                                      "1000", "1200", "1400"}));
  int vertical_grid = 0;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    vertical_grid += l.x1 == l.x2 && l.y1 == 30 && l.y2 == 270 && l.pen.style == PenStyle::kDotted;
  }
  EXPECT_EQ(vertical_grid, 14);
}

TEST(DrawGraph, YAxisOnlyWhenTheXRangeHoldsZero) {
  for (bool show_x0 : {false, true}) {
    Document doc;
    RecordingCanvas cv;
    doc.graph_settings.show_x0 = show_x0;
    SetXy(doc, 1, {{10, 1}, {20, 2}});
    DrawGraph(doc, cv, 1);
    const auto arrows = cv.Calls(Op::kPolyline);
    ASSERT_EQ(arrows.size(), show_x0 ? 2u : 1u);
    const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
    for (const auto& t : cv.Calls(Op::kTextOut)) {
      if (t.text == "1.5") {
        // y labels end 5 pixels left of the y axis, or of x = 75 when there is none.
        EXPECT_EQ(t.x1 + Width(t.text), show_x0 ? map.Px(0) - 5 : 70);
      }
    }
    if (show_x0) {
      const int px0 = map.Px(0);
      EXPECT_EQ(arrows[1].points,
                (std::vector<Point>{{px0, 24}, {px0 - 3, 30}, {px0 + 3, 30}, {px0, 24}}));
    }
  }
}

TEST(DrawGraph, SeriesColoursAndJoinedPoints) {
  Document doc;
  RecordingCanvas cv;
  doc.graph_settings.join_points = true;
  SetXy(doc, 1, {{2, 1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7}});
  DrawGraph(doc, cv, 1);
  const auto circles = cv.Calls(Op::kEllipse);
  ASSERT_EQ(circles.size(), 12u);
  const Color want[] = {colors::kBlack, colors::kBlue,  colors::kRed,
                        colors::kTeal,  colors::kGreen, colors::kBlack};
  const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
  for (int j = 1; j <= 6; ++j) {
    for (int i = 0; i < 2; ++i) {
      const auto& e = circles[(j - 1) * 2 + i];
      EXPECT_EQ(e.pen.color, want[j - 1]) << "series " << j;
      // Rows are sorted by x: row 0 is now x = 1.
      const int px = map.Px(i + 1), py = map.Py(doc.graph.At(i, j));
      EXPECT_EQ((std::vector<int>{e.x1, e.y1, e.x2, e.y2}),
                (std::vector<int>{px - 2, py - 2, px + 3, py + 3}));
    }
  }
  // One joining line per series, from its first point to its second, in its colour.
  int joins = 0;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    if (l.pen.style != PenStyle::kSolid || l.x1 != map.Px(1) || l.x2 != map.Px(2)) continue;
    EXPECT_EQ(l.pen.color, want[joins]);
    ++joins;
  }
  EXPECT_EQ(joins, 6);
  EXPECT_EQ(SeriesColor(10), colors::kGreen);
}

TEST(DrawGraph, CurveWithDropLines) {
  Document doc;
  RecordingCanvas cv;
  SetBars(doc, 5, {1, 2});
  DrawGraph(doc, cv, 1);
  const AxisMap map{doc.ranges, PlotGeometry::ForBitmap(640, 300)};
  const int py0 = map.Py(0);
  std::vector<std::vector<int>> solid, dotted;
  for (const auto& l : cv.Calls(Op::kLineTo)) {
    if (l.x1 == l.x2 && l.y2 == py0 && l.pen.style == PenStyle::kDotted) {
      dotted.push_back({l.x1, l.y1});
    }
    if (l.pen.style == PenStyle::kSolid && l.x1 != l.x2 && l.y1 != l.y2) {
      solid.push_back({l.x1, l.y1, l.x2, l.y2});
    }
  }
  const int p1 = map.Px(1), p2 = map.Px(2);
  EXPECT_EQ(dotted, (std::vector<std::vector<int>>{{p1, map.Py(1)}, {p2, map.Py(2)}}));
  EXPECT_EQ(solid, (std::vector<std::vector<int>>{{p1, map.Py(1), p2, map.Py(2)}}));
  EXPECT_EQ(cv.Calls(Op::kEllipse).size(), 2u);
}

TEST(RenderGraph, BlankThenDrawThenShow) {
  Document doc;
  GraphUi ui;
  SetBars(doc, 2, {2, 5, 3});
  RenderGraph(doc, ui);
  ASSERT_FALSE(ui.canvas.calls.empty());
  EXPECT_EQ(ui.canvas.calls[0].op, Op::kRectangle);
  EXPECT_EQ(ui.canvas.calls[0].brush.style, BrushStyle::kSolid);
  EXPECT_EQ(ui.canvas.Calls(Op::kRectangle).size(), 4u);
  EXPECT_EQ(ui.graph_changes, 1);

  // Headless: nothing drawn, but the ranges are those a drawing would use.
  GraphUi headless;
  headless.with_canvas = false;
  SetBars(doc, 2, {-4, -1});
  RenderGraph(doc, headless);
  EXPECT_EQ(doc.ranges.y_high, 0);
  EXPECT_TRUE(headless.canvas.calls.empty());
}

}  // namespace
}  // namespace ravnelok
