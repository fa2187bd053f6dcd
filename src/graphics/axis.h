#pragma once

#include <string>
#include <vector>

#include "document/graph_state.h"
#include "document/modes.h"
#include "numbers/real.h"

namespace ravnelok {

constexpr int kMarginX = 70;  // left and right of the plot
constexpr int kMarginY = 30;  // above and below the plot

// The plot rectangle inside the graph bitmap: left edge 70, top edge 30.
struct PlotGeometry {
  int width = 0;
  int height = 0;
  static PlotGeometry ForBitmap(int bitmap_width, int bitmap_height) {
    return {bitmap_width - 2 * kMarginX, bitmap_height - 2 * kMarginY};
  }
  int Right() const { return kMarginX + width; }
  int Bottom() const { return kMarginY + height; }
};

// The nearest integer, halves to the even one. Not-a-number gives 0 and the result is kept
// within +-1e9, so a degenerate range cannot make a pixel coordinate overflow.
int Nearest(Real v);

// Value to pixel for the current ranges.
struct AxisMap {
  AxisRanges ranges;
  PlotGeometry plot;
  int Px(Real x) const;
  int Py(Real y) const;
};

// Step of the grid lines of one axis and the decimals of its labels.
struct Tick {
  Real step = 1;
  int decimals = 0;
};
// `integral`: the axis shows whole numbers only, so the step is never below 1.
Tick TickStep(Real range, bool integral);

struct GridValue {
  Real value = 0;
  Real k = 0;  // index of the multiple, counted from zero, positive on both sides
};
// The multiples k x step strictly between low and high: positive ones (and zero when
// `with_zero`) upwards, then negative ones downwards.
std::vector<GridValue> GridValues(Real low, Real high, Real step, bool with_zero);

// The label of a grid value: fixed notation, no decimals for steps of 1 and more, blanks removed.
std::string LabelText(Real v, const Tick& tick);

// Whether the x labels of a grid value with label `text` and index k are drawn; `steps` is the
// number of steps the axis range holds.
bool XLabelDrawn(const std::string& text, Real k, Real steps);

// Rows and columns of the matrix that may be read: the counts, kept within the matrix.
int UsedRows(const GraphData& data);
int UsedColumns(const GraphData& data);
// Every value of column `col` in the used rows is a whole number below 30000 in magnitude.
bool IntegralColumn(const GraphData& data, int col);

// xy-points (kind 1) and frequency bars (kinds 6, 7): sorts the rows by column 0, sets the ranges.
void ScaleXY(GraphData& data, GraphKind kind, AxisRanges& ranges);
// Data bars and curves (kinds 2 to 5): the ranges from column 0.
void ScaleBars(const GraphData& data, AxisRanges& ranges);

struct ZeroPoint {
  int px0 = 0;
  int py0 = 0;
};
// The adjustments made before every drawing, written back into the ranges, and the pixel
// column and row of zero.
ZeroPoint AdjustRanges(AxisRanges& ranges, GraphKind kind, const GraphSettings& settings,
                       const PlotGeometry& plot);

}  // namespace ravnelok
