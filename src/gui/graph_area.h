#pragma once

#include <QWidget>

namespace ravnelok::gui {

class GraphBitmap;

// Shows the graph bitmap: its pixels from row 1 down, at (0, 1), as much of them as the area
// holds. A right-button release asks for the graph settings.
class GraphArea : public QWidget {
  Q_OBJECT
 public:
  GraphArea(GraphBitmap& bitmap, QWidget* parent);

 signals:
  void rightButtonReleased();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  GraphBitmap& bitmap_;
};

}  // namespace ravnelok::gui
