#include "graphics/axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ravnelok {
namespace {

constexpr Real kEps = 1e-12L;

void ExpectRanges(const AxisRanges& r, const AxisRanges& want, const char* what) {
  EXPECT_NEAR(r.x_low, want.x_low, kEps) << what;
  EXPECT_NEAR(r.x_high, want.x_high, kEps) << what;
  EXPECT_NEAR(r.y_low, want.y_low, kEps) << what;
  EXPECT_NEAR(r.y_high, want.y_high, kEps) << what;
}

TEST(PlotGeometry, BitmapLessMarginsAndZeroRow) {
  const PlotGeometry plot = PlotGeometry::ForBitmap(640, 300);
  EXPECT_EQ(plot.width, 500);
  EXPECT_EQ(plot.height, 240);
  EXPECT_EQ(plot.Bottom(), 270);
  EXPECT_EQ(plot.Right(), 570);
  const AxisMap map{{0, 10, -0.5L, 5.5L}, plot};
  EXPECT_EQ(map.Py(0), 250);
  EXPECT_EQ(map.Py(-0.5L), 270);
  EXPECT_EQ(map.Py(5.5L), 30);
  EXPECT_EQ(map.Px(0), 70);
  EXPECT_EQ(map.Px(10), 570);
}

TEST(Nearest, HalvesGoToEven) {
  struct Case {
    Real v;
    int want;
  } cases[] = {{0.5L, 0},
               {1.5L, 2},
               {2.5L, 2},
               {-0.5L, 0},
               {-1.5L, -2},
               {-2.5L, -2},
               {2.49L, 2},
               {2.51L, 3},
               {-2.51L, -3},
               {7, 7},
               {1e12L, 1000000000},
               {-1e12L, -1000000000},
               {std::numeric_limits<Real>::quiet_NaN(), 0}};
  for (const Case& c : cases) EXPECT_EQ(Nearest(c.v), c.want) << static_cast<double>(c.v);
}

TEST(TickStep, StepsAndDecimals) {
  struct Case {
    Real range;
    bool integral;
    Real step;
    int decimals;  // checked only where labels use them (step < 1)
  } cases[] = {
      {12, false, 1, -1},     {35, false, 5, -1},     {120, false, 10, -1},
      {5, false, 0.5L, 1},    {1.5L, false, 0.1L, 1}, {0.5L, false, 0.05L, 2},
      {1500, false, 100, -1}, {6, false, 0.5L, 1},    {0.012L, false, 0.001L, 3},
      {5, true, 1, -1},       {0.5L, true, 1, -1},    {35, true, 5, -1},
  };
  for (const Case& c : cases) {
    const Tick t = TickStep(c.range, c.integral);
    EXPECT_NEAR(static_cast<double>(t.step), static_cast<double>(c.step),
                static_cast<double>(c.step) * 1e-12)
        << "range " << static_cast<double>(c.range);
    if (c.decimals >= 0) {
      EXPECT_EQ(t.decimals, c.decimals) << static_cast<double>(c.range);
    }
  }
}

TEST(TickStep, DegenerateRangeHasNoGrid) {
  for (Real r : {Real(0), Real(-3), std::numeric_limits<Real>::infinity(),
                 std::numeric_limits<Real>::quiet_NaN()}) {
    const Tick t = TickStep(r, false);
    EXPECT_TRUE(GridValues(-1, 1, t.step, true).empty());
  }
}

std::vector<std::string> Labels(Real low, Real high, bool with_zero) {
  const Tick t = TickStep(high - low, false);
  std::vector<std::string> out;
  for (const GridValue& g : GridValues(low, high, t.step, with_zero)) {
    out.push_back(LabelText(g.value, t));
  }
  return out;
}

TEST(GridValues, PositiveUpThenNegativeDownStrictlyInside) {
  struct Case {
    Real low, high;
    bool with_zero;
    std::vector<std::string> labels;
  } cases[] = {
      // step 5: zero is where the axis is, the ends 20 and -10 are not strictly inside
      {-10, 20, false, {"5", "10", "15", "-5"}},
      {-10, 20, true, {"0", "5", "10", "15", "-5"}},
      // entirely positive: starts at the first multiple above the low end
      {9, 21, false, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"}},
      // entirely negative
      {-0.7L,
       -0.2L,
       false,
       {"-0.25", "-0.30", "-0.35", "-0.40", "-0.45", "-0.50", "-0.55", "-0.60", "-0.65"}},
      {-0.5L, 5.5L, false, {"0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Labels(c.low, c.high, c.with_zero), c.labels) << static_cast<double>(c.low);
  }
}

TEST(GridValues, RangeTooNarrowForItsMagnitudeStaysBounded) {
  // 1e25 + 1 is 1e25 in the real type: the loop must not spin.
  const auto values = GridValues(1e25L, 1e25L + 1e7L, 1, false);
  EXPECT_LE(values.size(), 1000u);
}

TEST(LabelText, FixedNotationWithoutBlanks) {
  struct Case {
    Real v;
    Tick tick;
    std::string want;
  } cases[] = {{5, {5, 1}, "5"},           {10, {5, 1}, "10"},
               {-5, {5, 1}, "-5"},         {0.05L, {0.05L, 2}, "0.05"},
               {0.1L, {0.05L, 2}, "0.10"}, {1500, {100, 3}, "1500"},
               {-0.3L, {0.1L, 1}, "-0.3"}, {0.30000001L, {0.1L, 1}, "0.3"}};
  for (const Case& c : cases) EXPECT_EQ(LabelText(c.v, c.tick), c.want);
}

TEST(XLabelDrawn, ThinningFrom0To1500) {
  // x range 0..1500, step 100: 15 steps, so long labels are thinned.
  const Tick t = TickStep(1500, false);
  std::vector<std::string> drawn;
  for (const GridValue& g : GridValues(0, 1500, t.step, false)) {
    const std::string text = LabelText(g.value, t);
    if (XLabelDrawn(text, g.k, 15)) drawn.push_back(text);
  }
  const std::vector<std::string> want = {"100", "200", "300", "400",  "500",  "600",
                                         "700", "800", "900", "1000", "1200", "1400"};
  EXPECT_EQ(drawn, want);
}

TEST(XLabelDrawn, Rules) {
  struct Case {
    std::string text;
    Real k, steps;
    bool want;
  } cases[] = {
      {"-100", 1, 20, true},                                // the minus sign does not count
      {"1100", 11, 20, false},                              // four characters, odd index
      {"1100", 11, 9, true},                                // fewer than 10 steps: everything
      {"12000", 12, 20, true},   {"-1.005", 5, 20, false},  // five long: even indices
      {"1.0050", 5, 20, true},   {"1.0040", 4, 20, false},  // six long: multiples of 5
      {"-1.0040", 10, 20, true},
  };
  for (const Case& c : cases) EXPECT_EQ(XLabelDrawn(c.text, c.k, c.steps), c.want) << c.text;
}

struct XyCase {
  const char* what;
  int kind;
  std::vector<std::vector<Real>> rows;
  AxisRanges want;
};

TEST(ScaleXY, Ranges) {
  const XyCase cases[] = {
      {"two rows swapped", 1, {{3, 10}, {1, 20}}, {0.8L, 3.2L, 9, 21}},
      {"all x equal", 1, {{4, 1}, {4, 2}, {4, 3}}, {3.9L, 5.1L, 0.8L, 3.2L}},
      {"one row: fixed", 1, {{4, 1}}, {-1, 11, -1, 11}},
      {"counts all 1", 6, {{1, 1}, {2, 1}, {3, 1}}, {0.8L, 3.2L, -0.2L, 2.2L}},
      {"counts 1 1 3", 7, {{1, 1}, {2, 1}, {3, 3}}, {0.8L, 3.2L, -0.3L, 3.3L}},
      {"two series", 1, {{0, 5, -5}, {10, 0, 15}}, {-1, 11, -7, 17}},
  };
  for (const XyCase& c : cases) {
    GraphData data;
    data.data_rows = static_cast<int>(c.rows.size());
    data.data_columns = static_cast<int>(c.rows[0].size());
    for (size_t i = 0; i < c.rows.size(); ++i) {
      for (size_t j = 0; j < c.rows[i].size(); ++j) data.At(i, j) = c.rows[i][j];
    }
    AxisRanges r;
    ScaleXY(data, c.kind, r);
    ExpectRanges(r, c.want, c.what);
  }
}

TEST(ScaleXY, SelectionSortMovesWholeRowsBySwapping) {
  GraphData data;
  data.data_rows = 4;
  data.data_columns = 3;
  const Real rows[4][3] = {{2, 21, 201}, {2, 22, 202}, {1, 10, 100}, {3, 30, 300}};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 3; ++j) data.At(i, j) = rows[i][j];
  }
  AxisRanges r;
  ScaleXY(data, 1, r);
  // The swap of rows 0 and 2 puts the two rows with x = 2 in reverse order.
  const Real want[4][3] = {{1, 10, 100}, {2, 22, 202}, {2, 21, 201}, {3, 30, 300}};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(data.At(i, j), want[i][j]) << i << "," << j;
  }
}

TEST(ScaleBars, Ranges) {
  struct Case {
    std::vector<Real> values;
    AxisRanges want;
  } cases[] = {
      {{2, 5, 3}, {-0.3L, 3.3L, -0.5L, 5.5L}},
      {{-4, -1}, {-0.2L, 2.2L, -4.3L, -0.7L}},
      {{0, 0}, {-0.2L, 2.2L, -0.1L, 1.1L}},
      {{-2, 3}, {-0.2L, 2.2L, -2.5L, 3.5L}},
  };
  for (const Case& c : cases) {
    GraphData data;
    data.data_rows = static_cast<int>(c.values.size());
    for (size_t i = 0; i < c.values.size(); ++i) data.At(i, 0) = c.values[i];
    AxisRanges r;
    ScaleBars(data, r);
    ExpectRanges(r, c.want, "bars");
  }
}

TEST(AdjustRanges, InOrder) {
  const PlotGeometry plot = PlotGeometry::ForBitmap(640, 300);
  const PlotGeometry square = {400, 200};
  struct Case {
    const char* what;
    int kind;
    GraphSettings settings;
    PlotGeometry plot;
    AxisRanges in, want;
    int px0, py0;  // -1: not checked
  } cases[] = {
      // clang-format off
      {"x=0 shown", 1, {}, plot, {9, 21, -1, 11}, {-1.2L, 21, -1, 11}, 97, -1},
      {"x=0 off", 1, {0, false, true}, plot, {9, 21, -1, 11}, {9, 21, -1, 11}, 0, -1},
      {"negative x", 1, {}, plot, {-21, -9, -1, 11}, {-21, 1.2L, -1, 11}, -1, -1},
      {"y=0 shown", 1, {}, plot, {-1, 11, 2, 8}, {-1, 11, -0.6L, 8}, -1, -1},
      {"y=0 off", 1, {0, true, false}, plot, {-1, 11, 2, 8}, {-1, 11, 2, 8}, -1, 0},
      {"same unit widens x", 1, {0, true, true, false, true}, square, {0, 10, 0, 10}, {-5, 15, 0, 10}, -1, -1},
      {"same unit widens y", 1, {0, true, true, false, true}, square, {0, 40, 0, 10}, {0, 40, -5, 15}, -1, -1},
      {"bars below zero", 2, {}, plot, {-0.2L, 2.2L, -4.3L, -0.7L}, {-0.2L, 2.2L, -4.3L, 0}, -1, 30},
      {"bars above zero", 4, {}, plot, {-0.2L, 2.2L, 1, 5}, {-0.2L, 2.2L, 0, 5}, -1, 270},
      {"bars ignore x=0 off", 3, {0, false, false}, plot, {-0.3L, 3.3L, -0.5L, 5.5L}, {-0.3L, 3.3L, -0.5L, 5.5L}, -1, 250},
      // clang-format on
  };
  for (const Case& c : cases) {
    AxisRanges r = c.in;
    const ZeroPoint z = AdjustRanges(r, c.kind, c.settings, c.plot);
    ExpectRanges(r, c.want, c.what);
    if (c.px0 >= 0) {
      EXPECT_EQ(z.px0, c.px0) << c.what;
    }
    if (c.py0 >= 0) {
      EXPECT_EQ(z.py0, c.py0) << c.what;
    }
  }
}

TEST(AdjustRanges, SecondDrawingKeepsTheRanges) {
  AxisRanges r{9, 21, 2, 8};
  GraphSettings s;
  s.same_unit = true;
  const PlotGeometry plot = PlotGeometry::ForBitmap(640, 300);
  AdjustRanges(r, 1, s, plot);
  const AxisRanges first = r;
  AdjustRanges(r, 1, s, plot);
  EXPECT_NEAR(r.x_low, first.x_low, 1e-9L);
  EXPECT_NEAR(r.x_high, first.x_high, 1e-9L);
  EXPECT_NEAR(r.y_low, first.y_low, 1e-9L);
  EXPECT_NEAR(r.y_high, first.y_high, 1e-9L);
}

TEST(UsedRows, StaleCountsBeyondTheMatrixAreKeptInside) {
  GraphData data;
  data.data_rows = 701;
  data.data_columns = 12;
  EXPECT_EQ(UsedRows(data), 700);
  EXPECT_EQ(UsedColumns(data), 10);
  AxisRanges r;
  ScaleXY(data, 1, r);  // must not read past the matrix
  ScaleBars(data, r);
}

}  // namespace
}  // namespace ravnelok
