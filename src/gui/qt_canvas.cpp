#include "gui/qt_canvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>

#include "text/cp1252.h"

namespace ravnelok::gui {

namespace {

QColor ToQColor(const Color& c) {
  return QColor(c.red, c.green, c.blue);
}

QString ToQString(const std::string& bytes) {
  return QString::fromStdString(cp1252::ToUtf8(bytes));
}

bool FixedPitchName(const std::string& name) {
  return name == "Courier" || name == "Courier New";
}

// Whether pixel (x, y) of a w x h box lies in the ellipse the box holds: its centre inside the
// ellipse through the box's outer edges. The middle row(s) and column(s) always count, so that
// the ellipse touches all four sides of its box even when it is very flat.
bool InEllipse(int x, int y, int w, int h) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  const auto middle = [](int i, int n) { return i == n / 2 || (n % 2 == 0 && i == n / 2 - 1); };
  if (middle(x, w) || middle(y, h)) return true;
  const double u = (x + 0.5 - w / 2.0) / (w / 2.0);
  const double v = (y + 0.5 - h / 2.0) / (h / 2.0);
  return u * u + v * v <= 1.0;
}

constexpr int kLargestCachedEllipse = 64;

}  // namespace

QtCanvas::QtCanvas(QPaintDevice* device) : device_(device) {}

QtCanvas::~QtCanvas() {
  Finish();
}

void QtCanvas::Finish() {
  if (!painter_.isActive()) return;
  Flush();
  painter_.end();
}

bool QtCanvas::Begin() {
  return painter_.isActive() || Open();
}

bool QtCanvas::Open() {
  if (!painter_.begin(device_)) return false;
  // Every colour is copied as it is: no blending, no smoothing of shapes.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.setBrush(Qt::NoBrush);
  pen_applied_ = false;
  return true;
}

void QtCanvas::NewPage() {
  auto* paged = dynamic_cast<QPagedPaintDevice*>(device_);
  if (paged == nullptr || !painter_.isActive()) return;
  Flush();
  paged->newPage();
}

void QtCanvas::Flush() {
  if (!batch_lines_.empty()) {
    painter_.drawLines(batch_lines_.data(), static_cast<int>(batch_lines_.size()));
    batch_lines_.clear();
  }
  if (batch_points_.isEmpty()) return;
  if (!SetPixels()) painter_.drawPoints(batch_points_);
  batch_points_.clear();
}

bool QtCanvas::SetPixels() {
  // The painter never transforms or clips, so on a 32-bit image a point is one pixel written
  // directly: much cheaper than the painter's way for the graph's thousands of circles.
  if (device_->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(device_);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  const Color& c = applied_pen_.color;
  const QRgb rgb = qRgb(c.red, c.green, c.blue);
  const int w = image->width();
  const int h = image->height();
  uchar* bits = image->bits();
  const qsizetype stride = image->bytesPerLine();
  for (const QPoint& pt : std::as_const(batch_points_)) {
    if (pt.x() < 0 || pt.y() < 0 || pt.x() >= w || pt.y() >= h) continue;
    reinterpret_cast<QRgb*>(bits + pt.y() * stride)[pt.x()] = rgb;
  }
  return true;
}

QFont QtCanvas::QtFont(const Font& font) {
  QFont f(QString::fromStdString(cp1252::ToUtf8(font.name)));
  const bool fixed = FixedPitchName(font.name);
  f.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
  f.setFixedPitch(fixed);
  if (font.size > 0) f.setPointSize(font.size);
  return f;
}

const QFont& QtCanvas::CurrentFont() {
  if (!font_valid_ || !(cached_font_ == font())) {
    cached_font_ = font();
    qt_font_ = QtFont(cached_font_);
    font_valid_ = true;
  }
  return qt_font_;
}

QPen QtCanvas::QtPen() const {
  const Pen& p = pen();
  QPen q(ToQColor(p.color));
  if (p.width <= 1) {
    // One device pixel whatever the transformation; the square cap keeps the end point.
    q.setWidth(0);
    q.setCosmetic(true);
    q.setCapStyle(Qt::SquareCap);
  } else {
    q.setWidth(p.width);
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
  }
  q.setStyle(p.style == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
  return q;
}

QPainter& QtCanvas::Painter() {
  if (!painter_.isActive()) Open();
  if (!pen_applied_ || !(applied_pen_ == pen())) {
    Flush();
    painter_.setPen(QtPen());
    applied_pen_ = pen();
    pen_applied_ = true;
  }
  return painter_;
}

void QtCanvas::DrawLine(Point from, Point to) {
  QPainter& p = Painter();
  if (from == to) {
    batch_points_ << QPoint(from.x, from.y);
  } else if (applied_pen_.style == PenStyle::kSolid && applied_pen_.width <= 1) {
    batch_lines_.emplace_back(from.x, from.y, to.x, to.y);
  } else {
    // A dotted or wide line is drawn on its own, so that its pattern starts at its own start.
    Flush();
    p.drawLine(from.x, from.y, to.x, to.y);
  }
}

void QtCanvas::DrawBox(int x1, int y1, int x2, int y2, bool ellipse) {
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  const int w = std::abs(x2 - x1);
  const int h = std::abs(y2 - y1);
  // Without its right and bottom edges an empty box has no pixels at all.
  if (w <= 0 || h <= 0) return;
  QPainter& p = Painter();
  const bool fill = brush().style == BrushStyle::kSolid;
  const int pen_width = std::max(1, pen().width);
  if (pen_width == 1 && ellipse) {
    DrawThinEllipse(left, top, w, h, fill);
    return;
  }
  Flush();
  if (pen_width == 1) {
    // The outline runs through the centres of the box's outermost pixels.
    if (fill) p.fillRect(QRect(left, top, w, h), ToQColor(brush().color));
    if (w == 1 || h == 1) {
      p.drawLine(left, top, left + w - 1, top + h - 1);
    } else {
      p.drawRect(QRect(left, top, w - 1, h - 1));
    }
    return;
  }
  // A wide pen is centred on the same line, as on the printer's canvas.
  const QRectF centre_line(left + 0.5, top + 0.5, w - 1, h - 1);
  QPen wide = p.pen();
  wide.setJoinStyle(Qt::MiterJoin);
  p.setPen(wide);
  pen_applied_ = false;
  if (fill) p.setBrush(ToQColor(brush().color));
  if (ellipse) {
    p.drawEllipse(centre_line);
  } else {
    p.drawRect(centre_line);
  }
  p.setBrush(Qt::NoBrush);
}

const QtCanvas::EllipsePixels& QtCanvas::PixelsOf(int w, int h) {
  for (const EllipsePixels& e : ellipses_) {
    if (e.w == w && e.h == h) return e;
  }
  EllipsePixels e;
  e.w = w;
  e.h = h;
  // Outline: the pixels of the ellipse with a neighbour outside it.
  for (int y = 0; y < h; ++y) {
    int run_start = -1;
    for (int x = 0; x <= w; ++x) {
      const bool in = InEllipse(x, y, w, h);
      const bool edge = in && (!InEllipse(x - 1, y, w, h) || !InEllipse(x + 1, y, w, h) ||
                               !InEllipse(x, y - 1, w, h) || !InEllipse(x, y + 1, w, h));
      if (edge) e.outline.emplace_back(x, y);
      const bool inside = in && !edge;
      if (inside && run_start < 0) run_start = x;
      if (!inside && run_start >= 0) {
        e.inside.emplace_back(run_start, y, x - run_start, 1);
        run_start = -1;
      }
    }
  }
  if (w > kLargestCachedEllipse || h > kLargestCachedEllipse) {
    uncached_ = std::move(e);
    return uncached_;
  }
  ellipses_.push_back(std::move(e));
  return ellipses_.back();
}

void QtCanvas::DrawThinEllipse(int left, int top, int w, int h, bool fill) {
  const EllipsePixels& e = PixelsOf(w, h);
  if (fill) {
    Flush();
    const QColor colour = ToQColor(brush().color);
    for (const QRect& run : e.inside) painter_.fillRect(run.translated(left, top), colour);
  }
  const QPoint origin(left, top);
  for (const QPoint& pt : e.outline) batch_points_ << pt + origin;
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  DrawBox(x1, y1, x2, y2, false);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  DrawBox(x1, y1, x2, y2, true);
}

void QtCanvas::Polyline(const std::vector<Point>& points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(static_cast<int>(points.size()));
  for (const Point& pt : points) polygon << QPoint(pt.x, pt.y);
  QPainter& p = Painter();
  Flush();
  if (points.size() == 1) {
    p.drawPoint(polygon.first());
  } else {
    p.drawPolyline(polygon);
  }
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter& p = Painter();
  Flush();
  p.setFont(CurrentFont());
  p.setPen(QPen(Qt::black));
  pen_applied_ = false;
  // Text is blended over what is there (its edges are smoothed), never a box of background.
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawText(x, y + p.fontMetrics().ascent(), ToQString(text));
  p.setCompositionMode(QPainter::CompositionMode_Source);
}

int QtCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(CurrentFont(), device_).horizontalAdvance(ToQString(text));
}

int QtCanvas::TextHeight(const std::string& text) {
  (void)text;
  return QFontMetrics(CurrentFont(), device_).height();
}

}  // namespace ravnelok::gui
