#include "graphics/axis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using K = GraphKind;

using testing::GraphRows;
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
const PlotGeometry kPlot = PlotGeometry::ForBitmap(640, 300);

void ExpectRanges(const AxisRanges& r, const AxisRanges& want, const std::string& what) {
  EXPECT_NEAR(r.x_low, want.x_low, 1e-12L) << what;
  EXPECT_NEAR(r.x_high, want.x_high, 1e-12L) << what;
  EXPECT_NEAR(r.y_low, want.y_low, 1e-12L) << what;
  EXPECT_NEAR(r.y_high, want.y_high, 1e-12L) << what;
}

TEST(Axis, NearestHalvesToEvenDegenerateRangesGiveNoGridGridValuesStrictlyInside) {
  for (const auto& [v, want] :
       {std::pair(1.5L, 2), {2.5L, 2}, {-2.51L, -3}, {-1e12L, -10000000}, {4.6e8L, 10000000}})
    EXPECT_EQ(Nearest(v), want) << static_cast<double>(v);
  EXPECT_EQ(Nearest(kNaN), 0);
  // A degenerate range gives no grid at all; 1e25 + 1 is 1e25 in the real type: the loop ends.
  for (Real r : {Real(0), Real(-3), std::numeric_limits<Real>::infinity(), kNaN}) {
    EXPECT_TRUE(GridValues(-1, 1, TickStep(r, false).step, true).empty());
  }
  EXPECT_LE(GridValues(1e25L, 1e25L + 1e7L, 1, false).size(), 1000u);
  EXPECT_EQ(TickStep(0.5L, true).step, 1);  // whole data: never below 1
  // A tenth of the power of ten below the range, or a half when the range holds two of it.
  const std::tuple<Real, Real, int> steps[] = {
      {12, 1, 1},        {35, 5, 1},       {120, 10, 2},        {5, 0.5L, 1},
      {1.5L, 0.1L, 1},   {0.5L, 0.05L, 2}, {19.99L, 1, 1},      {20, 5, 1},
      {1.999L, 0.1L, 1}, {2, 0.5L, 1},     {0.1999L, 0.01L, 2}, {0.2L, 0.05L, 2}};
  for (const auto& [range, step, decimals] : steps) {
    const Tick t = TickStep(range, false);
    EXPECT_TRUE(std::abs(t.step - step) < step * 1e-15L && t.decimals == decimals)
        << static_cast<double>(range);
  }
  const std::tuple<Real, Real, bool, std::vector<std::string>> cases[] = {
      {-10, 20, true, {"0", "5", "10", "15", "-5"}},
      // entirely positive: from the first multiple above the low end; entirely negative
      {9, 21, false, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"}},
      {-0.7L,
       -0.2L,
       false,
       {"-0.25", "-0.30", "-0.35", "-0.40", "-0.45", "-0.50", "-0.55", "-0.60", "-0.65"}}};
  for (const auto& [low, high, with_zero, want] : cases) {
    const Tick t = TickStep(high - low, false);
    std::vector<std::string> labels;
    for (const GridValue& g : GridValues(low, high, t.step, with_zero)) {
      labels.push_back(LabelText(g.value, t));
    }
    EXPECT_EQ(labels, want) << static_cast<double>(low);
  }
  EXPECT_EQ(LabelText(1500, {100, 3}), "1500");
}

TEST(Scale, RangesOfTheDataEqualHugeValuesKeepTheirPointsInsideThePlot) {
  // Bars go through ScaleBars, the others through ScaleXY.
  const std::tuple<const char*, GraphKind, GraphRows, AxisRanges> cases[] = {
      {"two rows swapped", K::kTableXy, {{3, 10}, {1, 20}}, {0.8L, 3.2L, 9, 21}},
      {"all x equal", K::kTableXy, {{4, 1}, {4, 2}, {4, 3}}, {3.9L, 5.1L, 0.8L, 3.2L}},
      {"one row: fixed", K::kTableXy, {{4, 1}}, {-1, 11, -1, 11}},
      {"counts 1 1 3", K::kTableFrequency, {{1, 1}, {2, 1}, {3, 3}}, {0.8L, 3.2L, -0.3L, 3.3L}},
      {"bars 2 5 3", K::kSheetBars, {{2}, {5}, {3}}, {-0.3L, 3.3L, -0.5L, 5.5L}},
      {"bars below zero", K::kSheetBars, {{-4}, {-1}}, {-0.2L, 2.2L, -4.3L, -0.7L}}};
  for (const auto& [what, kind, rows, want] : cases) {
    GraphData data;
    testing::SetData(data, rows);
    AxisRanges r;
    IsBarGraph(kind) ? ScaleBars(data, r) : ScaleXY(data, kind, r);
    ExpectRanges(r, want, what);
  }
  // Stale counts beyond the matrix are never read past it.
  GraphData stale;
  stale.data_rows = 701;
  stale.data_columns = 12;
  EXPECT_EQ(std::pair(UsedRows(stale), UsedColumns(stale)), std::pair(700, 10));
  AxisRanges r;
  ScaleXY(stale, K::kTableXy, r);
  ScaleBars(stale, r);
  for (const Real v : {1e30L, -1e30L, -1e4000L, 4.0L}) {
    GraphData data;
    testing::SetData(data, {{v, v}, {v, v}});
    AxisRanges xy, bars;
    ScaleXY(data, K::kTableXy, xy);
    ScaleBars(data, bars);
    EXPECT_GT(AxisMap({xy, kPlot}).Px(v), kMarginX) << v;
    EXPECT_LT(AxisMap({xy, kPlot}).Px(v), kPlot.Right()) << v;
    for (const AxisRanges& r : {xy, bars}) {
      EXPECT_GT(AxisMap({r, kPlot}).Py(v), kMarginY) << v;
      EXPECT_LT(AxisMap({r, kPlot}).Py(v), kPlot.Bottom()) << v;
    }
  }
}

TEST(AdjustRanges, AxesShownSameUnitAndBarsOnZero) {
  const PlotGeometry square = {400, 200};
  constexpr XAxisLabels kNames = XAxisLabels::kNames;
  const GraphSettings both{}, no_x0{kNames, false, true}, none{kNames, false, false};
  const GraphSettings same{kNames, true, true, false, true};
  // What, kind, settings, plot, ranges in and out, and the zero point (-1: not checked).
  // clang-format off
  const std::tuple<const char*, GraphKind, GraphSettings, PlotGeometry, AxisRanges, AxisRanges, int, int> cases[] = {
      {"x=0 shown", K::kTableXy, both, kPlot, {9, 21, -1, 11}, {-1.2L, 21, -1, 11}, 97, -1},
      {"x=0 off", K::kTableXy, no_x0, kPlot, {9, 21, -1, 11}, {9, 21, -1, 11}, 0, -1},
      {"y=0 shown", K::kTableXy, both, kPlot, {-1, 11, 2, 8}, {-1, 11, -0.6L, 8}, -1, -1},
      {"same unit widens x", K::kTableXy, same, square, {0, 10, 0, 10}, {-5, 15, 0, 10}, -1, -1},
      {"bars below zero", K::kSheetBars, both, kPlot, {-0.2L, 2.2L, -4.3L, -0.7L}, {-0.2L, 2.2L, -4.3L, 0}, -1, 30},
      {"bars above zero", K::kTableBars, both, kPlot, {-0.2L, 2.2L, 1, 5}, {-0.2L, 2.2L, 0, 5}, -1, 270},
      {"bars ignore the axes", K::kSheetCurve, none, kPlot, {-0.3L, 3.3L, -0.5L, 5.5L}, {-0.3L, 3.3L, -0.5L, 5.5L}, -1, 250}};
  // clang-format on
  for (const auto& [what, kind, settings, plot, in, want, px0, py0] : cases) {
    AxisRanges r = in;
    const ZeroPoint z = AdjustRanges(r, kind, settings, plot);
    ExpectRanges(r, want, what);
    EXPECT_EQ(std::pair(px0 < 0 ? -1 : z.px0, py0 < 0 ? -1 : z.py0), std::pair(px0, py0)) << what;
    // A second drawing of the same graph keeps the ranges.
    AdjustRanges(r, kind, settings, plot);
    ExpectRanges(r, want, std::string(what) + ", again");
  }
}

}  // namespace
}  // namespace ravnelok
