#include "graphics/axis.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numbers/number_text.h"

namespace ravnelok {

namespace {

bool Finite(Real v) {
  return std::isfinite(v);
}

// The top of a range whose values are all `a`: one unit above, or for a value so large that a
// unit is lost in its precision (1E30 + 1 is 1E30), a step in proportion to its size.
Real AboveEqualValues(Real a) {
  return a + std::max<Real>(1, std::fabs(a) * 1e-9L);
}

}  // namespace

int Nearest(Real v) {
  // Far outside any bitmap or page, and small enough that a print scale (below 200) times it
  // still fits an int: a value far off the axes once gave 462963070 pixels, times 6 on paper.
  constexpr Real kLimit = 1e7L;
  if (v != v) return 0;
  if (v > kLimit) return static_cast<int>(kLimit);
  if (v < -kLimit) return -static_cast<int>(kLimit);
  // Truncation and a correction instead of floorl: this runs for every point drawn.
  long long i = static_cast<long long>(v);
  if (static_cast<Real>(i) > v) --i;
  const Real frac = v - static_cast<Real>(i);
  if (frac > 0.5L || (frac == 0.5L && i % 2 != 0)) ++i;
  return static_cast<int>(i);
}

int AxisMap::Px(Real x) const {
  return Nearest((x - ranges.x_low) / (ranges.x_high - ranges.x_low) * plot.width + kMarginX);
}

int AxisMap::Py(Real y) const {
  return Nearest(static_cast<Real>(plot.Bottom()) -
                 (y - ranges.y_low) / (ranges.y_high - ranges.y_low) * plot.height);
}

Tick TickStep(Real range, bool integral) {
  Tick tick;
  // A collapsed or overflowed range has no grid (GridValues refuses a zero step).
  if (!(range > 0) || !Finite(range)) {
    tick.step = 0;
    return tick;
  }
  int e = static_cast<int>(std::trunc(std::log(range) / std::log(10.0L)));
  if (range < 1) --e;
  Real step = 1;
  for (int i = 0; i < e; ++i) step *= 10;
  for (int i = 0; i < -e; ++i) step /= 10;
  const Real q = std::fabs(range / step);
  step = q >= 2 ? step / 2 : step / 10;
  if (e <= 0) --e;
  tick.decimals = std::abs(e);
  if (integral && step < 1) step = 1;
  tick.step = step;
  return tick;
}

std::vector<GridValue> GridValues(Real low, Real high, Real step, bool with_zero) {
  std::vector<GridValue> out;
  if (!(step > 0) || !Finite(step) || !Finite(low) || !Finite(high) || !(low < high)) return out;
  // Far more than any step rule gives; it only bounds ranges too narrow for their magnitude.
  constexpr int kMaxPerSide = 1000;

  Real k = std::ceil(low / step);
  if (k * step <= low) k += 1;
  const Real first = with_zero ? 0 : 1;
  if (k < first) k = first;
  for (int n = 0; n < kMaxPerSide && k + 1 != k; ++n, k += 1) {
    const Real v = k == 0 ? 0 : k * step;
    if (!(v < high)) break;
    out.push_back({v, k == 0 ? 0 : k});
  }

  k = std::floor(high / step);
  if (k * step >= high) k -= 1;
  if (k > -1) k = -1;
  for (int n = 0; n < kMaxPerSide && k - 1 != k; ++n, k -= 1) {
    const Real v = k * step;
    if (!(v > low)) break;
    out.push_back({v, -k});
  }
  return out;
}

std::string LabelText(Real v, const Tick& tick) {
  std::string text = FixedNotation(v, tick.step >= 1 ? 0 : tick.decimals, 0);
  std::erase(text, ' ');
  return text;
}

bool XLabelDrawn(const std::string& text, Real k, Real steps) {
  const int n = static_cast<int>(text.size()) - (!text.empty() && text[0] == '-' ? 1 : 0);
  if (n <= 3) return true;
  if ((n == 4 || n == 5) && std::fmod(k, 2) == 0) return true;
  if (n >= 6 && std::fmod(k, static_cast<Real>(n - 1)) == 0) return true;
  return steps < 10;
}

int UsedRows(const GraphData& data) {
  return std::clamp(data.data_rows, 0, GraphData::kRows);
}

int UsedColumns(const GraphData& data) {
  return std::clamp(data.data_columns, 0, GraphData::kCols);
}

bool IntegralColumn(const GraphData& data, int col) {
  const int n = UsedRows(data);
  for (int i = 0; i < n; ++i) {
    const Real v = data.At(i, col);
    if (!(std::fabs(v) < 30000) || v != std::trunc(v)) return false;
  }
  return true;
}

void ScaleXY(GraphData& data, GraphKind kind, AxisRanges& ranges) {
  const int n = UsedRows(data);
  const int m = UsedColumns(data);
  if (n < 2 || m < 2) {
    ranges = {-1, 11, -1, 11};
    return;
  }
  // Selection sort on column 0: the first of equal smallest values is taken.
  for (int i = 0; i < n - 1; ++i) {
    int j = i;
    for (int r = i + 1; r < n; ++r) {
      if (data.At(r, 0) < data.At(j, 0)) j = r;
    }
    for (int c = 0; c < m; ++c) std::swap(data.At(i, c), data.At(j, c));
  }
  const Real a = data.At(0, 0);
  Real b = data.At(n - 1, 0);
  if (a == b) b = AboveEqualValues(a);
  ranges.x_low = a - (b - a) * 0.1L;
  ranges.x_high = b + (b - a) * 0.1L;

  Real c = data.At(0, 1);
  Real d = c;
  for (int i = 0; i < n; ++i) {
    for (int col = 1; col < m; ++col) {
      c = std::min(c, data.At(i, col));
      d = std::max(d, data.At(i, col));
    }
  }
  if (c == d) d = AboveEqualValues(c);
  // Counts are measured from zero, after the widening so that equal counts still get a range.
  if (IsFrequencyGraph(kind)) c = 0;
  ranges.y_low = c - (d - c) * 0.1L;
  ranges.y_high = d + (d - c) * 0.1L;
}

void ScaleBars(const GraphData& data, AxisRanges& ranges) {
  const int n = UsedRows(data);
  ranges.x_low = 0 - n * 0.1L;
  ranges.x_high = n + n * 0.1L;
  Real c = data.At(0, 0);
  Real d = c;
  for (int i = 1; i < n; ++i) {
    d = std::max(d, data.At(i, 0));
    c = std::min(c, data.At(i, 0));
  }
  if (c > 0) c = 0;
  if (c == d) d = AboveEqualValues(c);
  ranges.y_low = c - (d - c) * 0.1L;
  ranges.y_high = d + (d - c) * 0.1L;
}

ZeroPoint AdjustRanges(AxisRanges& r, GraphKind kind, const GraphSettings& settings,
                       const PlotGeometry& plot) {
  if (kind == GraphKind::kTableXy) {
    if (settings.show_x0 && r.x_low * r.x_high > 0) {
      if (r.x_low > 0) r.x_low = -0.1L * (r.x_high - r.x_low);
      if (r.x_high < 0) r.x_high = 0.1L * (r.x_high - r.x_low);
    }
    if (settings.show_y0 && r.y_low * r.y_high > 0) {
      if (r.y_low > 0) r.y_low = -0.1L * (r.y_high - r.y_low);
      if (r.y_high < 0) r.y_high = 0.1L * (r.y_high - r.y_low);
    }
    if (settings.same_unit) {
      const Real sy = plot.height / (r.y_high - r.y_low);
      const Real sx = plot.width / (r.x_high - r.x_low);
      if (sy <= sx) {
        const Real mid = (r.x_low + r.x_high) / 2;
        r.x_high = mid + plot.width * 0.5L / sy;
        r.x_low = mid - plot.width * 0.5L / sy;
      } else {
        const Real mid = (r.y_low + r.y_high) / 2;
        r.y_high = mid + plot.height * 0.5L / sx;
        r.y_low = mid - plot.height * 0.5L / sx;
      }
    }
  }
  if (IsBarGraph(kind)) {
    if (r.y_high < 0) r.y_high = 0;
    if (r.y_low > 0) r.y_low = 0;
  }
  const AxisMap map{r, plot};
  ZeroPoint z{map.Px(0), map.Py(0)};
  if (kind == GraphKind::kTableXy) {
    if (r.x_low * r.x_high > 0) z.px0 = 0;
    if (r.y_low * r.y_high > 0) z.py0 = 0;
  }
  return z;
}

}  // namespace ravnelok
