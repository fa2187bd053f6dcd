#include "gui/graph_area.h"

#include <QPainter>

namespace ravnelok::gui {

GraphArea::GraphArea(const QImage& bitmap, QWidget* parent) : QWidget(parent), bitmap_(bitmap) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphArea::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.drawImage(QPoint(0, 0), bitmap_);
}

void DrawBlankBitmap(QImage& bitmap) {
  if (bitmap.isNull()) return;
  bitmap.fill(Qt::white);
  if (bitmap.width() < 2 || bitmap.height() < 3) return;
  QPainter p(&bitmap);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::NoBrush);
  // A rectangle drawn with a one-pixel pen covers its corners inclusive.
  p.drawRect(QRect(QPoint(0, 1), QPoint(bitmap.width() - 2, bitmap.height() - 2)));
}

}  // namespace ravnelok::gui
