// The QPainter canvas against the Canvas contract, pixel by pixel.
#include "gui/qt_canvas.h"

#include <QFontInfo>
#include <QImage>
#include <QTest>

using namespace ravnelok;
using ravnelok::gui::QtCanvas;

namespace {

const QRgb kGrey = qRgb(200, 200, 200);  // the background
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kTeal = qRgb(0, 128, 128);

QImage Blank(int w = 60, int h = 40) {
  QImage image(w, h, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(kGrey);
  return image;
}

// The smallest rectangle holding every pixel that is not the background (null when none).
QRect Changed(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kGrey) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

int Count(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
  }
  return n;
}

enum Shape { kBox, kSolidBox, kRound, kSolidRound, kLine, kArrow };

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  // Boxes given by any two opposite corners cover min..max-1; lines include both ends; every
  // outline is in the pen's exact colour.
  void ExactEdges() {
    const struct {
      const char* what;
      Shape shape;
      QLine corners;  // the two points given
      QRect covered;  // null: nothing drawn
    } cases[] = {
        {"box", kBox, {10, 5, 15, 9}, {10, 5, 5, 4}},
        {"box from its bottom-right", kSolidBox, {15, 9, 10, 5}, {10, 5, 5, 4}},
        {"box from mixed corners", kSolidBox, {10, 9, 15, 5}, {10, 5, 5, 4}},
        {"box one pixel wide", kBox, {20, 2, 21, 12}, {20, 2, 1, 10}},
        {"box without width", kSolidBox, {10, 5, 10, 20}, {}},
        {"graph point circle", kRound, {18, 18, 23, 23}, {18, 18, 5, 5}},
        {"filled circle reversed", kSolidRound, {23, 23, 18, 18}, {18, 18, 5, 5}},
        {"tall ellipse", kRound, {40, 2, 49, 38}, {40, 2, 9, 36}},
        {"ellipse without height", kRound, {4, 7, 30, 7}, {}},
        {"line left", kLine, {25, 8, 5, 8}, {5, 8, 21, 1}},
        {"line up", kLine, {31, 30, 31, 2}, {31, 2, 1, 29}},
        {"line of one pixel", kLine, {7, 7, 7, 7}, {7, 7, 1, 1}},
        {"axis arrow", kArrow, {36, 20, 30, 17}, {30, 17, 7, 7}},
    };
    for (const auto& c : cases) {
      QImage image = Blank();
      QtCanvas cv(&image);
      const QLine& p = c.corners;
      const bool solid = c.shape == kSolidBox || c.shape == kSolidRound;
      cv.SetPen(Pen{c.shape == kLine ? colors::kTeal : colors::kBlack, PenStyle::kSolid, 1});
      cv.SetBrush(Brush{solid ? BrushStyle::kSolid : BrushStyle::kClear, colors::kRed});
      if (c.shape == kBox || c.shape == kSolidBox) cv.Rectangle(p.x1(), p.y1(), p.x2(), p.y2());
      if (c.shape == kRound || c.shape == kSolidRound) cv.Ellipse(p.x1(), p.y1(), p.x2(), p.y2());
      if (c.shape == kLine) {
        cv.MoveTo(p.x1(), p.y1());
        cv.LineTo(p.x2(), p.y2());
        QCOMPARE(cv.PenPos(), (Point{p.x2(), p.y2()}));
      }
      if (c.shape == kArrow) cv.Polyline({{36, 20}, {30, 17}, {30, 23}, {36, 20}});
      cv.Finish();
      const QRect& r = c.covered;
      QVERIFY2(Changed(image) == r, c.what);
      if (r.isNull()) continue;
      const QRect left(r.left(), r.top(), 1, r.height()), right(r.right(), r.top(), 1, r.height());
      const QRect top(r.left(), r.top(), r.width(), 1), bottom(r.left(), r.bottom(), r.width(), 1);
      const QRect inside = r.adjusted(1, 1, -1, -1);
      const QRgb fill = solid ? kRed : kGrey;
      switch (c.shape) {
        case kBox:
        case kSolidBox:  // the whole outermost ring, and the brush or what was there inside
          for (const QRect& side : {left, right, top, bottom}) {
            QVERIFY2(Count(image, side, kBlack) == side.width() * side.height(), c.what);
          }
          if (!inside.isEmpty()) {
            QVERIFY2(Count(image, inside, fill) == inside.width() * inside.height(), c.what);
          }
          break;
        case kRound:
        case kSolidRound:  // touches every side, round corners, filled or not
          for (const QRect& side : {left, right, top, bottom}) {
            QVERIFY2(Count(image, side, kBlack) > 0, c.what);
          }
          QVERIFY2(image.pixel(r.topLeft()) == kGrey && image.pixel(r.bottomRight()) == kGrey,
                   c.what);
          QVERIFY2(image.pixel(r.center()) == fill, c.what);
          break;
        case kLine:
          QVERIFY2(Count(image, r, kTeal) == r.width() * r.height(), c.what);
          break;
        case kArrow:  // an outline through its corners, not filled
          for (const QPoint q : {QPoint(36, 20), QPoint(30, 17), QPoint(30, 23), QPoint(30, 20)}) {
            QCOMPARE(image.pixel(q), kBlack);
          }
          QCOMPARE(image.pixel(33, 20), kGrey);
          break;
      }
    }
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
    const int silver = Count(image, QRect(0, 10, 60, 1), qRgb(192, 192, 192));
    QVERIFY2(silver > 10 && silver < 50, "a dotted line leaves gaps");
    QCOMPARE(silver + Count(image, QRect(0, 10, 60, 1), kGrey), 60);
    QCOMPARE(Count(image, QRect(30, 27, 1, 7), kBlue), 3);  // three thick, centred on y = 30
    QCOMPARE(image.pixel(30, 29), kBlue);
    QCOMPARE(image.pixel(30, 31), kBlue);
  }

  // Later drawings cover earlier ones, each with the pen and brush in force when it is made.
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
    const std::pair<int, QRgb> want[] = {
        {10, kRed},  {19, kBlack}, {30, kBlue}, {32, kBlack}, {41, qRgb(255, 255, 255)},
        {45, kBlack}};
    for (const auto& [x, colour] : want) QCOMPARE(image.pixel(x, 20), colour);
  }

  // The text's top-left corner is the point given; its extent is what the metrics say. The
  // sheet's right alignment needs the fixed-pitch "Courier".
  void TextPlacementAndFonts() {
    for (const Font& font : {Font{"smallfont", 6}, Font{"arial", 6}, Font{"Courier New", 10}}) {
      QImage image = Blank(200, 60);
      QtCanvas cv(&image);
      cv.SetFont(font);
      const int w = cv.TextWidth("-1250"), h = cv.TextHeight("-1250");
      QVERIFY(h >= font.size && h <= 3 * font.size);
      QVERIFY(w > 0 && cv.TextWidth("-1250-1250") > w && cv.TextWidth("") == 0);
      cv.TextOut(20, 10, "-1250");
      cv.Finish();
      const QRect ink = Changed(image);
      QVERIFY2(ink.left() >= 19 && ink.left() <= 22, "text starts at x");
      QVERIFY2(ink.top() >= 10 && ink.top() < 10 + h / 2, "text hangs from y");
      QVERIFY(ink.right() <= 20 + w && ink.bottom() < 10 + h);
    }
    QVERIFY(QFontInfo(QtCanvas::QtFont(Font{"Courier", 10})).fixedPitch());
    QCOMPARE(QtCanvas::QtFont(Font{"smallfont", 6}).pointSize(), 6);
  }
};

QTEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
