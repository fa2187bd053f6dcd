#include "gui/graph_bitmap.h"

#include <algorithm>

#include "graphics/render.h"

namespace ravnelok::gui {

namespace {

// 96 dots per inch, so that a font's point size gives the same pixels on every system.
constexpr int kDotsPerMeter = 3780;

}  // namespace

void GraphBitmap::SetSize(int width, int height) {
  canvas_.reset();
  image_ = QImage(std::max(2, width), std::max(3, height), QImage::Format_RGB32);
  image_.setDotsPerMeterX(kDotsPerMeter);
  image_.setDotsPerMeterY(kDotsPerMeter);
  // Row 0 lies outside the frame and is never drawn again: it starts white too.
  image_.fill(Qt::white);
  canvas_ = std::make_unique<QtCanvas>(&image_);
  Blank();
}

void GraphBitmap::Blank() {
  if (!canvas_) return;
  BlankGraph(*canvas_, image_.width(), image_.height());
  canvas_->Finish();
}

const QImage& GraphBitmap::Image() {
  if (canvas_) canvas_->Finish();
  return image_;
}

}  // namespace ravnelok::gui
