#pragma once

#include <QFont>
#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <string>
#include <vector>

#include "graphics/canvas.h"

class QPaintDevice;

namespace ravnelok::gui {

// The Canvas over a QPainter on any paint device (the graph bitmap, a printer page). The
// painter is opened on the first drawing and stays open until Finish(), so a whole graph is one
// painter session; whoever reads the device's pixels calls Finish() first.
//
// Pixel rules, as on the program's original canvas: a rectangle or ellipse box (x1, y1, x2, y2)
// covers the columns min..max-1 and rows min..max-1; a one-pixel outline lies on the outermost
// of those pixels and the brush fills what is inside. Lines include both end points. Texts are
// drawn in black with their top-left corner at the given point, over a transparent background.
class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPaintDevice* device);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Ends the painter session; the next drawing opens a new one.
  void Finish();
  // Opens the painter session now: false when the device cannot be painted on (a printer that
  // cannot begin its job).
  bool Begin();
  // On a paged device (a printer) the drawing goes on on a new page, in the same session.
  void NewPage();

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polyline(const std::vector<Point>& points) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;

  // The Qt font a Canvas font stands for: asked for by name with a style hint, so the system's
  // substitute is used (fixed pitch for the Courier names, sans serif for the others).
  static QFont QtFont(const Font& font);

 protected:
  void DrawLine(Point from, Point to) override;

 private:
  // Begins the painter session on the device.
  bool Open();
  // The open painter with the canvas's pen and no brush (fills are drawn separately).
  QPainter& Painter();
  // Draws the lines and points collected in the pen now applied.
  void Flush();
  bool SetPixels();
  QPen QtPen() const;
  // Fills the inside of a box with the brush and draws the outline of `shape` with the pen.
  void DrawBox(int x1, int y1, int x2, int y2, bool ellipse);
  const QFont& CurrentFont();
  void DrawThinEllipse(int left, int top, int w, int h, bool fill);

  // The pixels of a one-pixel ellipse in a w x h box, relative to the box: the outline and the
  // runs inside it. The graph draws thousands of equal small circles, so these are kept.
  struct EllipsePixels {
    int w = 0;
    int h = 0;
    std::vector<QPoint> outline;
    std::vector<QRect> inside;
  };
  const EllipsePixels& PixelsOf(int w, int h);

  QPaintDevice* device_;
  QPainter painter_;
  Font cached_font_;
  QFont qt_font_;
  bool font_valid_ = false;
  // What the painter holds, so that an unchanged pen is not handed over again for every line.
  Pen applied_pen_;
  bool pen_applied_ = false;
  std::vector<EllipsePixels> ellipses_;
  EllipsePixels uncached_;
  // Lines and points in one solid one-pixel pen are collected and drawn together: in a single
  // opaque colour their order does not show, and a graph has thousands of them.
  std::vector<QLine> batch_lines_;
  QPolygon batch_points_;
};

}  // namespace ravnelok::gui
