// Start-up, layout, marks, closing and the UI text file, on the real main window.
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "gui/dialogs.h"
#include "gui/graph_area.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

// An English text file of the form the program reads: 120 lines, CR LF.
QByteArray EnglishTexts() {
  QFile file(QStringLiteral(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void viewModeGeometry_data();
  void viewModeGeometry();
  void marksAndTheViewSwitch();
  void closeAnsweredNo();
  void englishTextFile();
};

// In a 900 x 600 client area, tool bar included; the expression column takes what is left.
void MainWindowTest::viewModeGeometry_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<int>("sheetWidth");
  QTest::addColumn<int>("gridHeight");
  QTest::addColumn<int>("exprWidth");
  QTest::addColumn<int>("rowHeight");
  QTest::newRow("sheet") << 1 << 900 << 544 << 525 << 22;
  QTest::newRow("sheet and table") << 2 << 600 << 544 << 273 << 18;
  QTest::newRow("with graph") << 3 << 600 << 200 << 273 << 18;
}

void MainWindowTest::viewModeGeometry() {
  QFETCH(int, mode);
  QFETCH(int, sheetWidth);
  QFETCH(int, gridHeight);
  QFETCH(int, exprWidth);
  QFETCH(int, rowHeight);
  Started s;
  s.SetClientSize(900, 600);
  const auto button = static_cast<ToolButton>(static_cast<int>(ToolButton::kViewSheet) + mode - 1);
  QTest::mouseClick(s.w().toolButton(button), Qt::LeftButton);
  QCOMPARE(s.doc().settings.view_mode, mode);
  QVERIFY(s.w().toolButton(button)->isChecked());
  QCOMPARE(s.w().sheetArea()->geometry(), QRect(0, 56, sheetWidth, 544));
  QCOMPARE(s.w().sheetView()->geometry(), QRect(0, 0, sheetWidth, gridHeight));
  QCOMPARE(s.w().sheetView()->columnWidth(4), exprWidth);
  QCOMPARE(s.w().sheetView()->rowHeight(0), rowHeight);
  QCOMPARE(QFontInfo(s.w().editor()->font()).pointSize(), mode == 1 ? 12 : 10);
  QCOMPARE(s.w().tableArea()->isVisible(), mode != 1);
  QCOMPARE(s.w().toolButton(ToolButton::kClearTable)->isVisible(), mode != 1);
  if (mode != 1) QCOMPARE(s.w().tableArea()->geometry(), QRect(600, 56, 300, 544));
  QCOMPARE(s.w().graphArea()->isVisible(), mode == 3);
  QCOMPARE(s.w().toolButton(ToolButton::kClearGraph)->isVisible(), mode == 3);
  if (mode == 3) QCOMPARE(s.w().graphArea()->geometry(), QRect(0, 200, 600, 344));
  QCOMPARE(s.w().bitmap().size(), QSize(600, 344));  // a blank bitmap follows the window
  for (SheetView* grid : {s.w().sheetView(), s.w().tableView()}) {
    QCOMPARE(QFontInfo(grid->horizontalHeader()->font()).family(),
             QFontInfo(grid->font()).family());
    QVERIFY(QFontInfo(grid->horizontalHeader()->font()).bold() &&
            QFontInfo(grid->font()).fixedPitch());
  }
}

void MainWindowTest::marksAndTheViewSwitch() {
  Started s;
  EnterCell(s.w(), 4, 1, "2");
  EnterCell(s.w(), 4, 2, "3");
  ClickCell(s.w(), 0, 3);  // no expression: nothing
  QCOMPARE(s.doc().sheet.Cell(0, 3), std::string(" "));
  QCOMPARE(s.doc().settings.view_mode, 1);
  ClickCell(s.w(), 0, 1);
  QCOMPARE(s.doc().sheet.Cell(0, 1), std::string("T"));
  QCOMPARE(s.doc().settings.view_mode, 2);
  QVERIFY(s.w().toolButton(ToolButton::kViewSheetTable)->isChecked());
  QVERIFY(s.w().tableArea()->isVisible());
  QCOMPARE(s.w().sheetView()->model()->index(0, 0).data().toString(), QStringLiteral("T"));
  ClickCell(s.w(), 1, 2);
  QCOMPARE(s.doc().sheet.Cell(1, 2), std::string("*"));
  // F9 twice: two table rows; the table grid shows them.
  QTest::keyClick(s.w().sheetView(), Qt::Key_F9);
  QTest::keyClick(s.w().sheetView(), Qt::Key_F9);
  QCOMPARE(s.doc().settings.table_rows, 2);
  QCOMPARE(s.w().tableView()->model()->headerData(0, Qt::Horizontal).toString(),
           QStringLiteral("A1"));
  QCOMPARE(s.w().tableView()->model()->index(1, 0).data().toString().trimmed(),
           QStringLiteral("2"));
  // "Rens tabel" keeps the header and drops the values.
  QTest::mouseClick(s.w().toolButton(ToolButton::kClearTable), Qt::LeftButton);
  QCOMPARE(s.doc().settings.table_rows, 0);
  QCOMPARE(s.w().tableView()->model()->index(0, 0).data().toString(), QString());
  // The "T" header clears every T mark; the "*" marks stay.
  ClickCell(s.w(), 0, 0);
  QCOMPARE(s.doc().sheet.Cell(0, 1), std::string(" "));
  QCOMPARE(s.doc().sheet.Cell(1, 2), std::string("*"));
  QCOMPARE(s.doc().settings.view_mode, 2);
}

void MainWindowTest::closeAnsweredNo() {
  Started s;
  EnterCell(s.w(), 4, 1, "12");
  QString caption, message;
  bool yes_focused = false;
  OnModal<ConfirmDialogWidget>([&](ConfirmDialogWidget* d) {
    caption = d->windowTitle();
    message = d->message()->text();
    yes_focused = d->yes()->hasFocus() || d->yes()->isDefault();
    QTest::mouseClick(d->no(), Qt::LeftButton);
  });
  QVERIFY(!s.w().close());
  QCOMPARE(caption + "|" + message, QStringLiteral("Bekræft|Ønsker du at afbryde programmet ?"));
  QVERIFY(yes_focused);
  QVERIFY(s.w().isVisible());
  QCOMPARE(s.doc().sheet.Cell(4, 1), std::string("12"));
  // "Afslut" asks the same question.
  OnModal<ConfirmDialogWidget>([&](ConfirmDialogWidget* d) { d->no()->click(); });
  s.w().entry(TextId::kMenuExit)->trigger();
  QVERIFY(s.w().isVisible());
}

void MainWindowTest::englishTextFile() {
  const QByteArray english = EnglishTexts();
  QCOMPARE(english.count("\r\n"), 120);
  Started s(english);
  QCOMPARE(s.w().windowTitle(), QStringLiteral("Ravnekal    version 1.69"));
  QCOMPARE(s.w().entry(TextId::kMenuRecalculate)->text(), QStringLiteral("&Recalculate sheet"));
  QCOMPARE(s.w().toolButton(ToolButton::kRecalculate)->toolTip(), QStringLiteral("Recalculate"));
  QCOMPARE(s.w().sheetView()->model()->headerData(3, Qt::Horizontal).toString(),
           QStringLiteral("Name"));
  EnterCell(s.w(), 4, 1, "if 1>0 then 5 else 6");
  QCOMPARE(s.doc().sheet.Cell(4, 1), std::string("IF 1>0 THEN 5 ELSE 6"));
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("         5"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
