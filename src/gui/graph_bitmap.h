#pragma once

#include <QImage>
#include <memory>

#include "gui/qt_canvas.h"

namespace ravnelok::gui {

// The off-screen graph bitmap and its canvas. It is given its size once, at start-up, and
// keeps it; the graph is drawn into it and the graph area only copies it.
class GraphBitmap {
 public:
  GraphBitmap() = default;
  GraphBitmap(int width, int height) { SetSize(width, height); }

  // A new bitmap of width x height (at least 2 x 3), blank: white with the one-pixel black
  // frame from (0, 1) to (width - 1, height - 1).
  void SetSize(int width, int height);
  // Makes the bitmap blank again without changing its size.
  void Blank();

  bool IsNull() const { return image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

  // Where the graph draws; nullptr before the bitmap has a size.
  Canvas* GetCanvas() { return canvas_.get(); }
  // The pixels as drawn so far (ends the canvas's painter session first).
  const QImage& Image();

 private:
  QImage image_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace ravnelok::gui
