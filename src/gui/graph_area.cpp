#include "gui/graph_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/graph_bitmap.h"

namespace ravnelok::gui {

GraphArea::GraphArea(GraphBitmap& bitmap, QWidget* parent) : QWidget(parent), bitmap_(bitmap) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphArea::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const QImage& image = bitmap_.Image();
  // Row 0 of the bitmap is never drawn on; the copy starts below it.
  p.drawImage(QPoint(0, 1), image, QRect(0, 1, image.width(), image.height() - 1));
}

void GraphArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) emit rightButtonReleased();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace ravnelok::gui
