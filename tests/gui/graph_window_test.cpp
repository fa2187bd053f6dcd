// Graphs in the main window: the short-cuts and menu entries, the graph area following the
// recalculations and the settings dialog.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "gui/graph_area.h"
#include "gui/graph_bitmap.h"
#include "gui/graph_dialogs.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

QImage AreaImage(MainWindow& w) {
  return w.graphArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of `colour` in the bitmap, frame included.
int Count(MainWindow& w, QRgb colour) {
  const QImage b = w.bitmap().convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == colour;
  }
  return n;
}

// The area shows the bitmap from its row 1 down.
bool AreaShowsBitmap(MainWindow& w) {
  const QImage area = AreaImage(w), bitmap = w.bitmap().convertToFormat(QImage::Format_RGB32);
  const int width = std::min(area.width(), bitmap.width());
  const int height = std::min(area.height(), bitmap.height());
  return area.copy(0, 1, width, height - 1) == bitmap.copy(0, 1, width, height - 1);
}

}  // namespace

class GraphWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void tableGraphsByShortcut() {
    Started s;
    MessageWatch messages;
    MainWindow& w = s.w();
    EnterCell(w, 4, 1, "1");
    EnterCell(w, 4, 2, "A1*A1");
    EnterCell(w, 4, 3, "10-2*A1");
    for (int k = 1; k <= 3; ++k) ClickCell(w, 0, k);
    for (const char* x : {"2", "3", "5"}) EnterCell(w, 4, 1, x);
    QImage previous = AreaImage(w);
    const std::pair<Qt::Key, GraphKind> keys[] = {{Qt::Key_F6, GraphKind::kTableBars},
                                                  {Qt::Key_F7, GraphKind::kTableCurve},
                                                  {Qt::Key_F8, GraphKind::kTableFrequency},
                                                  {Qt::Key_F5, GraphKind::kTableXy}};
    for (const auto& [key, kind] : keys) {
      Key(w, key);
      QCOMPARE(s.doc().settings.graph_kind, kind);
      QVERIFY(w.toolButton(ToolButton::kViewAll)->isChecked());
      const QImage now = AreaImage(w);
      QVERIFY(now != previous && AreaShowsBitmap(w));
      // The graph follows the recalculation.
      EnterCell(w, 4, 1, std::to_string(static_cast<int>(kind) + 5).c_str());
      previous = AreaImage(w);
      QVERIFY(previous != now);
    }
    // Two series in the colours of series 1 and 2, with a dotted silver grid.
    QVERIFY(Count(w, qRgb(0, 0, 255)) >= 6 * 12);
    QCOMPARE(Count(w, qRgb(255, 0, 0)), 0);
    QVERIFY(Count(w, qRgb(192, 192, 192)) > 100);
    QCOMPARE(messages.texts, QStringList());
    const QSize drawn_size = w.bitmap().size();  // a drawn graph keeps its bitmap
    s.SetClientSize(900, 600);
    QCOMPARE(w.bitmap().size(), drawn_size);
  }

  void sheetBarsFromTheMenuAndSettingsByRightClick() {
    Started s;
    MessageWatch messages;
    MainWindow& w = s.w();
    for (int k = 1; k <= 3; ++k) EnterCell(w, 4, k, k == 2 ? "8" : "3");
    ClickCell(w, 3, 1);
    QTest::mouseClick(w.sheetView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      w.SheetCellCentre(3, 3));
    w.entry(TextId::kMenuSheetBars)->trigger();
    const QImage names = AreaImage(w);
    // A right click opens the settings with the current choice.
    bool first_checked = false;
    OnModal<GraphSettingsForm>([&](GraphSettingsForm* f) {
      first_checked = f->choice(0)->isChecked();
      QTest::mouseClick(f->choice(1), Qt::LeftButton, {}, QPoint(6, f->choice(1)->height() / 2));
      QTest::mouseClick(f->ok(), Qt::LeftButton);
    });
    QTest::mouseClick(w.graphArea(), Qt::RightButton);
    QTRY_VERIFY(s.doc().graph.options.sheet_x_axis == XAxisLabels::kFromOne);
    QVERIFY(first_checked);
    QVERIFY(AreaImage(w) != names);  // numbers under the bars now
  }

  // The frame runs from (0, 1) to (W - 2, H - 2); row 0, the last row and column stay white.
  void blankBitmapHasFrame() {
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (const QSize size : {QSize(640, 300), QSize(1013, 377)}) {
      GraphBitmap bitmap(size.width(), size.height());
      bitmap.GetCanvas()->MoveTo(10, 50);
      bitmap.GetCanvas()->LineTo(150, 50);
      QCOMPARE(bitmap.Image().pixel(50, 50), black);
      bitmap.Blank();
      const QImage& image = bitmap.Image();
      const int w = size.width(), h = size.height();
      QCOMPARE(image.size(), size);
      const std::pair<QPoint, QRgb> probes[] = {
          {{5, 0}, white},     {{5, 1}, black},   {{5, h - 2}, black},
          {{5, h - 1}, white}, {{0, 9}, black},   {{w - 2, 9}, black},
          {{w - 1, 9}, white}, {{50, 50}, white}, {{w - 3, h - 3}, white}};
      for (const auto& [p, colour] : probes) QCOMPARE(image.pixel(p), colour);
    }
    QVERIFY(GraphBitmap().GetCanvas() == nullptr);
  }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
