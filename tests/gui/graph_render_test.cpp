// The graph bitmap: its blank frame at any size, and blank again after a drawing.
#include <QImage>
#include <QTest>

#include "gui/graph_bitmap.h"

using namespace ravnelok;
using ravnelok::gui::GraphBitmap;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Inside the frame: pixels that are not white.
int Ink(const QImage& image) {
  int n = 0;
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 1; x < image.width() - 2; ++x) n += image.pixel(x, y) != kWhite ? 1 : 0;
  }
  return n;
}

// The frame from (0, 1) to (W - 1, H - 1), right and bottom edges excluded; row 0 and the last
// row and column untouched (white).
void CheckFrame(const QImage& image) {
  const int w = image.width();
  const int h = image.height();
  for (int x = 0; x < w; ++x) {
    QCOMPARE(image.pixel(x, 0), kWhite);
    QCOMPARE(image.pixel(x, h - 1), kWhite);
    if (x <= w - 2) {
      QCOMPARE(image.pixel(x, 1), kBlack);
      QCOMPARE(image.pixel(x, h - 2), kBlack);
    }
  }
  for (int y = 1; y <= h - 2; ++y) {
    QCOMPARE(image.pixel(0, y), kBlack);
    QCOMPARE(image.pixel(w - 2, y), kBlack);
    QCOMPARE(image.pixel(w - 1, y), kWhite);
  }
}

}  // namespace

class GraphRenderTest : public QObject {
  Q_OBJECT

 private slots:
  void BlankBitmapHasFrame() {
    for (const QSize size : {QSize(640, 300), QSize(1013, 377), QSize(2, 3)}) {
      GraphBitmap bitmap(size.width(), size.height());
      QCOMPARE(bitmap.Image().size(), size);
      CheckFrame(bitmap.Image());
      QCOMPARE(Ink(bitmap.Image()), 0);
    }
    GraphBitmap bitmap(200, 100);
    bitmap.GetCanvas()->MoveTo(10, 50);
    bitmap.GetCanvas()->LineTo(150, 50);
    QVERIFY(Ink(bitmap.Image()) > 0);
    bitmap.Blank();
    QCOMPARE(Ink(bitmap.Image()), 0);
    CheckFrame(bitmap.Image());
    QVERIFY(GraphBitmap().GetCanvas() == nullptr);
  }
};

QTEST_MAIN(GraphRenderTest)
#include "graph_render_test.moc"
