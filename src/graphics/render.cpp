#include "graphics/render.h"

#include <string>

#include "document/document.h"
#include "document/ui.h"
#include "graphics/axis.h"

namespace ravnelok {

namespace {

// What every step of the drawing shares.
struct Frame {
  Document& doc;
  Canvas& cv;
  int s;
  GraphKind kind;
  PlotGeometry plot;
  AxisMap map;
  ZeroPoint zero;
  int rows;
  int columns;
  bool x_zero_inside;
  bool y_zero_inside;
};

// On screen a dotted silver pen; the printer keeps the style and colour it has, at width 1.
void SetGridPen(Canvas& cv, bool printing) {
  Pen pen = cv.pen();
  if (!printing) {
    pen.style = PenStyle::kDotted;
    pen.color = colors::kSilver;
  }
  pen.width = 1;
  cv.SetPen(pen);
}

void SetAxisPen(Canvas& cv, int s) {
  cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, s});
}

void Line(Canvas& cv, int x1, int y1, int x2, int y2) {
  cv.MoveTo(x1, y1);
  cv.LineTo(x2, y2);
}

// Horizontal grid lines with their labels left of the label column.
void DrawYGrid(const Frame& f, int text_shift) {
  const AxisRanges& r = f.map.ranges;
  const bool integral =
      IsFrequencyGraph(f.kind) || (IsBarGraph(f.kind) && IntegralColumn(f.doc.graph.data, 0));
  const Tick tick = TickStep(r.y_high - r.y_low, integral);
  const int xl =
      f.kind == GraphKind::kTableXy && f.x_zero_inside ? f.zero.px0 * f.s : (kMarginX + 5) * f.s;
  for (const GridValue& g : GridValues(r.y_low, r.y_high, tick.step, false)) {
    const int py = f.map.Py(g.value);
    Line(f.cv, kMarginX * f.s, py * f.s, f.plot.Right() * f.s, py * f.s);
    const std::string text = LabelText(g.value, tick);
    f.cv.TextOut(xl - f.cv.TextWidth(text) - 5 - text_shift, (py - 5) * f.s, text);
  }
}

// Vertical grid lines with centred labels, thinned where long labels would run together.
void DrawXGrid(const Frame& f, int text_shift) {
  const AxisRanges& r = f.map.ranges;
  const bool frequencies = IsFrequencyGraph(f.kind);
  const Tick tick =
      TickStep(r.x_high - r.x_low, frequencies && IntegralColumn(f.doc.graph.data, 0));
  const int yl = f.y_zero_inside ? f.zero.py0 * f.s + 3 : (f.plot.Bottom() + 5) * f.s;
  // With no usable step there are no grid values either.
  const Real steps = tick.step > 0 ? (r.x_high - r.x_low) / tick.step : 0;
  for (const GridValue& g : GridValues(r.x_low, r.x_high, tick.step, frequencies)) {
    const int px = f.map.Px(g.value);
    Line(f.cv, px * f.s, kMarginY * f.s, px * f.s, f.plot.Bottom() * f.s);
    const std::string text = LabelText(g.value, tick);
    if (XLabelDrawn(text, g.k, steps)) {
      f.cv.TextOut(px * f.s - f.cv.TextWidth(text) / 2, yl + text_shift, text);
    }
  }
}

void DrawAxes(const Frame& f) {
  Canvas& cv = f.cv;
  const int s = f.s;
  SetAxisPen(cv, s);
  cv.SetBrush(Brush{BrushStyle::kClear, colors::kWhite});
  if (f.y_zero_inside) {
    const int y = f.zero.py0;
    const int right = f.plot.Right();
    Line(cv, kMarginX * s, y * s, right * s, y * s);
    cv.Polyline({{(right + 6) * s, y * s},
                 {right * s, (y - 3) * s},
                 {right * s, (y + 3) * s},
                 {(right + 6) * s, y * s}});
  }
  if (f.kind == GraphKind::kTableXy && f.x_zero_inside) {
    const int x = f.zero.px0;
    Line(cv, x * s, kMarginY * s, x * s, f.plot.Bottom() * s);
    cv.Polyline({{x * s, (kMarginY - 6) * s},
                 {(x - 3) * s, kMarginY * s},
                 {(x + 3) * s, kMarginY * s},
                 {x * s, (kMarginY - 6) * s}});
  }
}

void Circle(Canvas& cv, int px, int py, int s) {
  cv.Ellipse((px - 2) * s, (py - 2) * s, (px + 2) * s + 1, (py + 2) * s + 1);
}

// xy-points, one series per y column, or the frequency bars.
void DrawPoints(const Frame& f) {
  Canvas& cv = f.cv;
  const int s = f.s;
  const GraphData& data = f.doc.graph.data;
  const bool join = f.doc.graph.options.join_points;
  for (int j = 1; j < f.columns; ++j) {
    for (int i = 0; i < f.rows; ++i) {
      const int px = f.map.Px(data.At(i, 0));
      const int py = f.map.Py(data.At(i, j));
      if (f.kind == GraphKind::kTableXy) {
        Pen pen = cv.pen();
        pen.color = SeriesColor(j);
        cv.SetPen(pen);
        if (join) {
          if (i == 0) {
            cv.MoveTo(px * s, py * s);
          } else {
            cv.LineTo(px * s, py * s);
          }
        }
        Circle(cv, px, py, s);
        cv.MoveTo(px * s, py * s);
      } else {
        cv.Rectangle(px * s - 1, py * s, px * s + 2, f.zero.py0 * s + 1);
      }
    }
  }
}

// Data bars or the data curve with its drop lines.
void DrawBars(const Frame& f) {
  Canvas& cv = f.cv;
  const int s = f.s;
  const int py0 = f.zero.py0;
  const bool curve = IsCurveGraph(f.kind);
  for (int i = 0; i < f.rows; ++i) {
    const int b = i + 1;
    const int px = f.map.Px(b);
    const int py = f.map.Py(f.doc.graph.data.At(i, 0));
    if (!curve) {
      cv.Rectangle(px * s - 1, py0 * s, px * s + 1, py * s);
      continue;
    }
    SetAxisPen(cv, s);
    if (b == 1) {
      cv.MoveTo(px * s, py * s);
    } else {
      cv.LineTo(px * s, py * s);
    }
    Circle(cv, px, py, s);
    cv.MoveTo(px * s, py * s);
    SetGridPen(cv, f.doc.graph.printing);
    Line(cv, px * s, py * s, px * s, py0 * s);
    cv.MoveTo(px * s, py * s);
  }
}

// Labels under the bars: names or numbers, staggered when many, none beyond 30 names or 50
// numbers.
void DrawBarLabels(const Frame& f) {
  Canvas& cv = f.cv;
  const int n = f.rows;
  const XAxisLabels labels =
      IsSheetGraph(f.kind) ? f.doc.graph.options.sheet_x_axis : f.doc.graph.options.table_x_axis;
  const bool names = labels == XAxisLabels::kNames;
  if (names ? n > 30 : n > 50) return;
  for (int b = 1; b <= n; ++b) {
    std::string text;
    if (names) {
      text = f.doc.graph.data.names[b - 1];
    } else {
      text = std::to_string(labels == XAxisLabels::kFromOne ? b : b - 1);
    }
    const int th = cv.TextHeight(text);
    int u = 3;
    if (names) {
      if (n >= 11 && n <= 20 && b % 2 == 0) u = th + 6;
      if (n >= 21 && n <= 30 && b % 3 == 2) u = th + 6;
      if (n >= 21 && n <= 30 && b % 3 == 0) u = (th + 3) * 2 + 3;
    } else if (n >= 26 && b % 2 == 0) {
      u = th + 6;
    }
    const int px = f.map.Px(b);
    cv.TextOut(px * f.s - cv.TextWidth(text) / 2, f.zero.py0 * f.s + u, text);
  }
}

}  // namespace

Color SeriesColor(int j) {
  switch (j % 5) {
    case 1:
      return colors::kBlack;
    case 2:
      return colors::kBlue;
    case 3:
      return colors::kRed;
    case 4:
      return colors::kTeal;
    default:
      return colors::kGreen;
  }
}

void BlankGraph(Canvas& canvas, int bitmap_width, int bitmap_height) {
  canvas.SetBrush(Brush{BrushStyle::kSolid, colors::kWhite});
  canvas.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 1});
  canvas.Rectangle(0, 1, bitmap_width - 1, bitmap_height - 1);
}

void DrawGraph(Document& doc, Canvas& canvas, int scale) {
  const GraphKind kind = doc.settings.graph_kind;
  const PlotGeometry plot =
      PlotGeometry::ForBitmap(doc.graph.bitmap_width, doc.graph.bitmap_height);
  const ZeroPoint zero = AdjustRanges(doc.graph.ranges, kind, doc.graph.options, plot);
  const AxisRanges& r = doc.graph.ranges;
  const Frame f{doc,
                canvas,
                scale < 1 ? 1 : scale,
                kind,
                plot,
                AxisMap{r, plot},
                zero,
                UsedRows(doc.graph.data),
                UsedColumns(doc.graph.data),
                r.x_low * r.x_high <= 0,
                r.y_low * r.y_high <= 0};

  SetGridPen(canvas, doc.graph.printing);
  canvas.SetFont(doc.graph.printing ? Font{"arial", 6} : Font{"smallfont", 6});
  const int text_shift = doc.graph.printing ? 6 : 0;

  DrawYGrid(f, text_shift);
  if (kind == GraphKind::kTableXy || IsFrequencyGraph(kind)) DrawXGrid(f, text_shift);
  DrawAxes(f);
  if ((kind == GraphKind::kTableXy || IsFrequencyGraph(kind)) && doc.graph.data.data_columns >= 2)
    DrawPoints(f);
  if (IsBarGraph(kind)) {
    DrawBars(f);
    DrawBarLabels(f);
  }
}

void RenderGraph(Document& doc, Ui& ui) {
  const GraphKind kind = doc.settings.graph_kind;
  const bool drawable = IsGraph(kind);
  Canvas* canvas = ui.GraphCanvas();
  if (canvas == nullptr) {
    if (drawable) {
      AdjustRanges(doc.graph.ranges, kind, doc.graph.options,
                   PlotGeometry::ForBitmap(doc.graph.bitmap_width, doc.graph.bitmap_height));
    }
    return;
  }
  BlankGraph(*canvas, doc.graph.bitmap_width, doc.graph.bitmap_height);
  if (drawable) DrawGraph(doc, *canvas, 1);
  ui.GraphChanged();
}

}  // namespace ravnelok
