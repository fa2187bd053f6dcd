// The QPainter canvas against the Canvas contract, pixel by pixel.
#include "gui/qt_canvas.h"

#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <algorithm>

using namespace ravnelok;
using ravnelok::gui::QtCanvas;

namespace {

const QRgb kBackground = qRgb(200, 200, 200);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRedFill = qRgb(255, 0, 0);

QImage Blank(int w = 60, int h = 40) {
  QImage image(w, h, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(kBackground);
  return image;
}

// The smallest rectangle holding every pixel that is not the background (null when none).
QRect Changed(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kBackground) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

int CountColour(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) == colour) ++n;
    }
  }
  return n;
}

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  // A box given by any two opposite corners covers min..max-1 in both directions.
  void RectangleEdges_data() {
    QTest::addColumn<QRect>("corners");  // x1, y1 as top-left, x2, y2 as width, height
    QTest::addColumn<QRect>("covered");
    QTest::newRow("top-left first") << QRect(10, 5, 15, 9) << QRect(10, 5, 5, 4);
    QTest::newRow("bottom-right first") << QRect(15, 9, 10, 5) << QRect(10, 5, 5, 4);
    QTest::newRow("mixed corners") << QRect(10, 9, 15, 5) << QRect(10, 5, 5, 4);
    QTest::newRow("two by two") << QRect(3, 3, 5, 5) << QRect(3, 3, 2, 2);
    QTest::newRow("one column") << QRect(20, 2, 21, 12) << QRect(20, 2, 1, 10);
    QTest::newRow("one row") << QRect(2, 30, 40, 31) << QRect(2, 30, 38, 1);
  }
  void RectangleEdges() {
    QFETCH(QRect, corners);
    QFETCH(QRect, covered);
    for (const BrushStyle style : {BrushStyle::kSolid, BrushStyle::kClear}) {
      QImage image = Blank();
      {
        QtCanvas cv(&image);
        cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 1});
        cv.SetBrush(Brush{style, colors::kRed});
        cv.Rectangle(corners.x(), corners.y(), corners.width(), corners.height());
      }
      QCOMPARE(Changed(image), covered);
      // The outline is the box's outermost ring of pixels, all of it.
      const QRect& c = covered;
      for (int x = c.left(); x <= c.right(); ++x) {
        QCOMPARE(image.pixel(x, c.top()), kBlack);
        QCOMPARE(image.pixel(x, c.bottom()), kBlack);
      }
      for (int y = c.top(); y <= c.bottom(); ++y) {
        QCOMPARE(image.pixel(c.left(), y), kBlack);
        QCOMPARE(image.pixel(c.right(), y), kBlack);
      }
      // Inside it the brush, or what was there.
      const QRect inside = c.adjusted(1, 1, -1, -1);
      if (!inside.isEmpty()) {
        const QRgb expected = style == BrushStyle::kSolid ? kRedFill : kBackground;
        QCOMPARE(CountColour(image, inside, expected), inside.width() * inside.height());
      }
    }
  }

  void EmptyBoxesDrawNothing_data() {
    QTest::addColumn<QRect>("corners");
    QTest::newRow("no width") << QRect(10, 5, 10, 20);
    QTest::newRow("no height") << QRect(4, 7, 30, 7);
    QTest::newRow("a point") << QRect(9, 9, 9, 9);
  }
  void EmptyBoxesDrawNothing() {
    QFETCH(QRect, corners);
    QImage image = Blank();
    {
      QtCanvas cv(&image);
      cv.Rectangle(corners.x(), corners.y(), corners.width(), corners.height());
      cv.Ellipse(corners.x(), corners.y(), corners.width(), corners.height());
    }
    QVERIFY(Changed(image).isNull());
  }

  // The ellipse touches every side of its box and never leaves it.
  void EllipseBox_data() {
    QTest::addColumn<QRect>("corners");
    QTest::addColumn<QRect>("covered");
    QTest::newRow("graph point circle") << QRect(18, 18, 23, 23) << QRect(18, 18, 5, 5);
    QTest::newRow("reversed corners") << QRect(23, 23, 18, 18) << QRect(18, 18, 5, 5);
    QTest::newRow("wide") << QRect(5, 10, 35, 22) << QRect(5, 10, 30, 12);
    QTest::newRow("tall") << QRect(40, 2, 49, 38) << QRect(40, 2, 9, 36);
  }
  void EllipseBox() {
    QFETCH(QRect, corners);
    QFETCH(QRect, covered);
    for (const BrushStyle style : {BrushStyle::kClear, BrushStyle::kSolid}) {
      QImage image = Blank();
      {
        QtCanvas cv(&image);
        cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 1});
        cv.SetBrush(Brush{style, colors::kRed});
        cv.Ellipse(corners.x(), corners.y(), corners.width(), corners.height());
      }
      QCOMPARE(Changed(image), covered);
      const QRect& c = covered;
      QVERIFY(CountColour(image, QRect(c.left(), c.top(), 1, c.height()), kBlack) > 0);
      QVERIFY(CountColour(image, QRect(c.right(), c.top(), 1, c.height()), kBlack) > 0);
      QVERIFY(CountColour(image, QRect(c.left(), c.top(), c.width(), 1), kBlack) > 0);
      QVERIFY(CountColour(image, QRect(c.left(), c.bottom(), c.width(), 1), kBlack) > 0);
      // Round, not a rectangle: the corners stay as they were.
      QCOMPARE(image.pixel(c.topLeft()), kBackground);
      QCOMPARE(image.pixel(c.bottomRight()), kBackground);
      const QPoint centre = c.center();
      QCOMPARE(image.pixel(centre), style == BrushStyle::kSolid ? kRedFill : kBackground);
    }
  }

  // Lines run from the pen position to the point, both ends drawn, in the pen's exact colour.
  void Lines_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right") << QPoint(5, 5) << QPoint(25, 5);
    QTest::newRow("left") << QPoint(25, 8) << QPoint(5, 8);
    QTest::newRow("down") << QPoint(30, 2) << QPoint(30, 30);
    QTest::newRow("up") << QPoint(31, 30) << QPoint(31, 2);
    QTest::newRow("one pixel") << QPoint(7, 7) << QPoint(7, 7);
  }
  void Lines() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QImage image = Blank();
    QtCanvas cv(&image);
    cv.SetPen(Pen{colors::kTeal, PenStyle::kSolid, 1});
    cv.MoveTo(from.x(), from.y());
    cv.LineTo(to.x(), to.y());
    QCOMPARE(cv.PenPos(), (Point{to.x(), to.y()}));
    cv.Finish();
    const QRect expected(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                         QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    QCOMPARE(Changed(image), expected);
    QCOMPARE(CountColour(image, expected, qRgb(0, 128, 128)), expected.width() * expected.height());
  }

  void DottedAndWidePens() {
    QImage image = Blank();
    {
      QtCanvas cv(&image);
      cv.SetPen(Pen{colors::kSilver, PenStyle::kDotted, 1});
      cv.MoveTo(0, 10);
      cv.LineTo(59, 10);
      cv.SetPen(Pen{colors::kBlue, PenStyle::kSolid, 3});
      cv.MoveTo(10, 30);
      cv.LineTo(50, 30);
    }
    const QRect dotted(0, 10, 60, 1);
    const int silver = CountColour(image, dotted, qRgb(192, 192, 192));
    QVERIFY2(silver > 10 && silver < 50, "a dotted line leaves gaps");
    QCOMPARE(silver + CountColour(image, dotted, kBackground), 60);
    // Three pixels thick, centred on the line.
    for (int y = 29; y <= 31; ++y) QCOMPARE(image.pixel(30, y), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(30, 27), kBackground);
    QCOMPARE(image.pixel(30, 33), kBackground);
  }

  void ClosedPolyline() {
    QImage image = Blank();
    {
      QtCanvas cv(&image);
      cv.SetPen(Pen{colors::kRed, PenStyle::kSolid, 1});
      cv.Polyline({{36, 20}, {30, 17}, {30, 23}, {36, 20}});
    }
    QCOMPARE(Changed(image), QRect(30, 17, 7, 7));
    for (const QPoint p : {QPoint(36, 20), QPoint(30, 17), QPoint(30, 23), QPoint(30, 20)}) {
      QCOMPARE(image.pixel(p), kRedFill);
    }
    QCOMPARE(image.pixel(33, 20), kBackground);  // an outline, not filled
  }

  // The text's top-left corner is the point given; its extent is what the metrics say.
  void TextPlacementAndMetrics_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::newRow("screen graph font") << "smallfont" << 6;
    QTest::newRow("printer graph font") << "arial" << 6;
    QTest::newRow("sheet font") << "Courier New" << 10;
  }
  void TextPlacementAndMetrics() {
    QFETCH(QString, family);
    QFETCH(int, size);
    QImage image = Blank(200, 60);
    QtCanvas cv(&image);
    cv.SetFont(Font{family.toStdString(), size});
    const std::string text = "-1250";
    const int w = cv.TextWidth(text);
    const int h = cv.TextHeight(text);
    QVERIFY(h >= size && h <= 3 * size);
    QVERIFY(w > 0 && w < 200);
    QCOMPARE(cv.TextWidth(""), 0);
    QVERIFY(cv.TextWidth(text + text) > w);
    cv.TextOut(20, 10, text);
    cv.Finish();
    const QRect ink = Changed(image);
    QVERIFY(!ink.isNull());
    QVERIFY2(ink.left() >= 19 && ink.left() <= 22, "text starts at x");
    QVERIFY2(ink.top() >= 10 && ink.top() < 10 + h / 2, "text hangs from y");
    QVERIFY(ink.right() <= 20 + w);
    QVERIFY(ink.bottom() < 10 + h);
  }

  void FontsByName() {
    const QFont fixed = QtCanvas::QtFont(Font{"Courier", 10});
    QVERIFY(QFontInfo(fixed).fixedPitch());
    QCOMPARE(fixed.pointSize(), 10);
    const QFont small = QtCanvas::QtFont(Font{"smallfont", 6});
    QCOMPARE(small.styleHint(), QFont::SansSerif);
    QCOMPARE(small.pointSize(), 6);
    QVERIFY(!QFontInfo(small).family().isEmpty());
  }

  // Later drawings cover earlier ones in other colours, however the canvas groups its work.
  void LaterDrawingsCoverEarlierOnes() {
    QImage image = Blank();
    {
      QtCanvas cv(&image);
      cv.SetBrush(Brush{BrushStyle::kClear, colors::kWhite});
      cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 1});
      cv.MoveTo(0, 20);
      cv.LineTo(50, 20);
      cv.SetPen(Pen{colors::kRed, PenStyle::kSolid, 1});
      cv.Rectangle(10, 15, 20, 26);  // crosses the line at x = 10 and x = 19
      cv.SetPen(Pen{colors::kBlue, PenStyle::kSolid, 1});
      cv.Ellipse(30, 18, 35, 23);  // its leftmost pixel is (30, 20)
      cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 1});
      cv.MoveTo(19, 10);
      cv.LineTo(19, 30);
      cv.SetBrush(Brush{BrushStyle::kSolid, colors::kWhite});
      cv.Rectangle(40, 19, 43, 22);  // white inside, over the black line
    }
    QCOMPARE(image.pixel(10, 20), kRedFill);
    QCOMPARE(image.pixel(19, 20), kBlack);
    QCOMPARE(image.pixel(30, 20), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(32, 20), kBlack);  // inside the hollow circle the line shows
    QCOMPARE(image.pixel(41, 20), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(45, 20), kBlack);
  }

  // Each drawing uses the pen and brush in force when it is made.
  void StateChangesBetweenDrawings() {
    QImage image = Blank();
    {
      QtCanvas cv(&image);
      cv.SetBrush(Brush{BrushStyle::kClear, colors::kWhite});
      cv.SetPen(Pen{colors::kGreen, PenStyle::kSolid, 1});
      cv.Rectangle(0, 0, 10, 10);
      cv.SetPen(Pen{colors::kBlue, PenStyle::kSolid, 1});
      cv.Rectangle(20, 0, 30, 10);
    }
    QCOMPARE(image.pixel(0, 0), qRgb(0, 128, 0));
    QCOMPARE(image.pixel(20, 0), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(5, 5), kBackground);
  }
};

QTEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
