#pragma once

#include <QImage>
#include <QWidget>

namespace ravnelok::gui {

// Shows the graph bitmap with its top-left corner at the area's top-left corner, as much of it
// as the area holds.
class GraphArea : public QWidget {
  Q_OBJECT
 public:
  GraphArea(const QImage& bitmap, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& bitmap_;
};

// The blank graph: white, with a one-pixel black frame from (0, 1) to (W - 1, H - 1).
void DrawBlankBitmap(QImage& bitmap);

}  // namespace ravnelok::gui
