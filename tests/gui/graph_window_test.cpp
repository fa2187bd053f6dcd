// Graphs in the main window: the "&Grafik" menu and its short-cuts, the graph area following
// the recalculations and the settings dialogs.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "gui/graph_area.h"
#include "gui/graph_dialogs.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

QImage Rgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage AreaImage(MainWindow& w) {
  return Rgb(w.graphArea()->grab().toImage());
}

// The bitmap has a drawing on it: more than the blank frame.
bool Drawn(MainWindow& w) {
  const QImage b = Rgb(w.bitmap());
  for (int y = 3; y < b.height() - 3; ++y) {
    for (int x = 3; x < b.width() - 3; ++x) {
      if (b.pixel(x, y) != qRgb(255, 255, 255)) return true;
    }
  }
  return false;
}

// The area shows the bitmap from its row 1 down.
bool AreaShowsBitmap(MainWindow& w) {
  const QImage area = AreaImage(w);
  const QImage bitmap = Rgb(w.bitmap());
  const int width = std::min(area.width(), bitmap.width());
  const int height = std::min(area.height(), bitmap.height());
  return area.copy(0, 1, width, height - 1) == bitmap.copy(0, 1, width, height - 1);
}

int Count(const QImage& image, QRgb colour) {
  const QImage b = Rgb(image);
  int n = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == colour;
  }
  return n;
}

// With RAVNELOK_WRITE_DOCS set, example graphs are kept in docs/.
void WriteDoc(const QImage& image, const char* name) {
  if (name == nullptr || qEnvironmentVariableIsEmpty("RAVNELOK_WRITE_DOCS")) return;
  QVERIFY(image.save(QStringLiteral(RAVNELOK_SOURCE_DIR "/docs/") + QLatin1String(name)));
}

void SelectSheetLines(MainWindow& w, int first, int last) {
  ClickCell(w, 3, first);
  QTest::mouseClick(w.sheetView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    w.SheetCellCentre(3, last));
}

}  // namespace

class GraphWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void tableGraphsByShortcut();
  void sheetGraphsFromMenu();
  void settingsByRightClick();
};

void GraphWindowTest::tableGraphsByShortcut() {
  Started s;
  s.SetClientSize(1100, 640);
  MessageWatch messages;
  MainWindow& w = s.w();
  EnterCell(w, 3, 1, "x");
  EnterCell(w, 4, 1, "1");
  EnterCell(w, 3, 2, "y");
  EnterCell(w, 4, 2, "x*x");
  EnterCell(w, 3, 3, "z");
  EnterCell(w, 4, 3, "10-2*x");
  for (int k = 1; k <= 3; ++k) ClickCell(w, 0, k);
  for (const char* x : {"2", "3", "5", "4"}) EnterCell(w, 4, 1, x);
  QCOMPARE(s.doc().settings.table_rows, 4);
  QVERIFY(!Drawn(w));
  QImage previous = AreaImage(w);
  const struct {
    Qt::Key key;
    int kind;
    const char* next_x;
  } table_graphs[] = {{Qt::Key_F5, 1, "6"},
                      {Qt::Key_F6, 4, "7"},
                      {Qt::Key_F7, 5, "-3"},
                      {Qt::Key_F8, 7, "8"},
                      {Qt::Key_F5, 1, "0.5"}};
  for (const auto& g : table_graphs) {
    Key(w, g.key);
    QCOMPARE(s.doc().settings.graph_kind, g.kind);
    WriteDoc(w.bitmap(), g.kind == 1 ? "graph-xy.png" : nullptr);
    QCOMPARE(s.doc().settings.view_mode, 3);
    QVERIFY(w.toolButton(ToolButton::kViewAll)->isChecked());
    QVERIFY(s.doc().settings.graph_shown);
    QVERIFY(Drawn(w));
    const QImage now = AreaImage(w);
    QVERIFY2(now != previous, qPrintable(QStringLiteral("kind %1 drawn anew").arg(g.kind)));
    QVERIFY(AreaShowsBitmap(w));
    // Each kind follows the next recalculation, here with a new x.
    const int rows = s.doc().settings.table_rows;
    EnterCell(w, 4, 1, g.next_x);
    QCOMPARE(s.doc().settings.table_rows, rows + 1);
    QVERIFY2(AreaImage(w) != now, qPrintable(QStringLiteral("kind %1 follows").arg(g.kind)));
    previous = AreaImage(w);
  }
  // Points of two series, y and z, in the colours of series 1 and 2 with a dotted silver grid.
  QVERIFY(Count(w.bitmap(), qRgb(0, 0, 255)) >= 6 * 12);
  QCOMPARE(Count(w.bitmap(), qRgb(255, 0, 0)), 0);
  QVERIFY(Count(w.bitmap(), qRgb(192, 192, 192)) > 100);
  QCOMPARE(messages.texts, QStringList());
  WriteDoc(w.grab().toImage(), "ravnelok-mode3.png");
  const QSize drawn_size = w.bitmap().size();  // a drawn graph keeps its bitmap
  s.SetClientSize(900, 600);
  QCOMPARE(w.bitmap().size(), drawn_size);
}

void GraphWindowTest::sheetGraphsFromMenu() {
  Started s;
  MessageWatch messages;
  MainWindow& w = s.w();
  const char* lines[][2] = {{"a", "4"}, {"b", "7"}, {"c", "-2"}, {"d", "5"}, {"e", "a+b"}};
  for (int k = 1; k <= 5; ++k) {
    EnterCell(w, 3, k, lines[k - 1][0]);
    EnterCell(w, 4, k, lines[k - 1][1]);
  }
  SelectSheetLines(w, 2, 5);
  QImage previous = AreaImage(w);
  const struct {
    TextId entry;
    int kind;
    const char* doc;
  } sheet_graphs[] = {{TextId::kMenuSheetCurve, 3, "graph-curve.png"},
                      {TextId::kMenuSheetFrequency, 6, nullptr},
                      {TextId::kMenuSheetBars, 2, "graph-bars.png"}};
  for (const auto& g : sheet_graphs) {
    w.entry(g.entry)->trigger();
    QCOMPARE(s.doc().settings.graph_kind, g.kind);
    WriteDoc(w.bitmap(), g.doc);
    QCOMPARE(s.doc().settings.view_mode, 3);
    QCOMPARE(s.doc().graph.sheet_first_row, 2);
    QCOMPARE(s.doc().graph.sheet_last_row, 5);
    QVERIFY(Drawn(w));
    QVERIFY(AreaImage(w) != previous);
    QVERIFY(AreaShowsBitmap(w));
    previous = AreaImage(w);
  }
  // The lines were taken when the command was given: a new selection does not move them, a
  // changed value does show.
  SelectSheetLines(w, 1, 2);
  EnterCell(w, 4, 3, "9");
  QCOMPARE(s.doc().graph.sheet_first_row, 2);
  QVERIFY(AreaImage(w) != previous);
  QCOMPARE(messages.texts, QStringList());

  // A line without a value: the message, and the area goes blank.
  EnterCell(w, 4, 4, "1/0");
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY(!s.doc().settings.graph_shown);
  QVERIFY(!Drawn(w));
  QVERIFY(AreaShowsBitmap(w));
}

void GraphWindowTest::settingsByRightClick() {
  Started s;
  MessageWatch messages;
  MainWindow& w = s.w();
  for (int k = 1; k <= 3; ++k) EnterCell(w, 4, k, k == 2 ? "8" : "3");
  SelectSheetLines(w, 1, 3);
  w.entry(TextId::kMenuSheetBars)->trigger();
  const QImage names = AreaImage(w);

  // A right click opens TForm2 with the current choice.
  int form = 0;
  bool first_checked = false;
  QString caption;
  OnModal<GraphSettingsForm>([&](GraphSettingsForm* f) {
    form = f->form();
    caption = f->windowTitle();
    first_checked = f->choice(0)->isChecked();
    QTest::mouseClick(f->choice(1), Qt::LeftButton, {}, QPoint(6, f->choice(1)->height() / 2));
    QTest::mouseClick(f->ok(), Qt::LeftButton);
  });
  QTest::mouseClick(w.graphArea(), Qt::RightButton);
  QTRY_COMPARE(form, 2);
  QCOMPARE(caption, QStringLiteral("Indstil grafik"));
  QVERIFY(first_checked);
  QCOMPARE(s.doc().graph_settings.sheet_x_axis, 1);
  QVERIFY(AreaImage(w) != names);  // numbers under the bars now
  QCOMPARE(messages.texts, QStringList());
}

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
