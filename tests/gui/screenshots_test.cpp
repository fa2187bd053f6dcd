// Each view mode paints a full window: the sheet, the table with recorded rows, the blank graph
// area. With RAVNELOK_SCREENSHOT_DIR set the pictures are kept (docs/ holds them).
#include <QSet>
#include <QToolButton>

#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class ScreenshotsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyViewModePaints();
};

void ScreenshotsTest::everyViewModePaints() {
  Started s;
  s.SetClientSize(1100, 640);
  EnterCell(s.w(), 3, 1, "x");
  EnterCell(s.w(), 4, 1, "slump(100)");
  EnterCell(s.w(), 3, 2, "kvadrat");
  EnterCell(s.w(), 4, 2, "x^2");
  EnterCell(s.w(), 6, 2, "m2");
  EnterCell(s.w(), 3, 3, "rod");
  EnterCell(s.w(), 4, 3, "sqr(x)");
  EnterCell(s.w(), 4, 5, "!x er et nyt slumptal ved hver gennemregning (F9)");
  EnterCell(s.w(), 4, 6, "hvis kvadrat>20 så 1 ellers 0");
  ClickCell(s.w(), 0, 2);
  ClickCell(s.w(), 0, 3);
  for (int pass = 0; pass < 6; ++pass) QTest::keyClick(s.w().sheetView(), Qt::Key_F9);
  QVERIFY(s.doc().settings.table_rows >= 6);
  const QByteArray dir = qgetenv("RAVNELOK_SCREENSHOT_DIR");
  for (int mode = 1; mode <= 3; ++mode) {
    QTest::mouseClick(s.w().toolButton(mode + 1), Qt::LeftButton);
    ClickCell(s.w(), 4, 6);
    QCoreApplication::processEvents();
    const QImage picture = s.w().grab().toImage();
    QCOMPARE(picture.size(), s.w().size());
    // A painted window has many colours; the graph area's frame is black.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3) {
      for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
    if (!dir.isEmpty()) {
      QVERIFY(picture.save(QString::fromLocal8Bit(dir) +
                           QStringLiteral("/ravnelok-mode%1.png").arg(mode)));
    }
  }
}

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
