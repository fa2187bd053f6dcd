// The main window driven with real key and mouse events: view modes, marks, the in-place
// editor, the dialogs and the UI text file.
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "gui/dialogs.h"
#include "gui/graph_area.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void viewModesShowTheirAreas();
  void marksAndTheViewSwitch();
  void closeAnsweredNo();
  void englishTextFile();
  void typingCommitsAndMoves();
  void deleteInsideTheEditor();
  void clickElsewhereCommitsToTheOldCell();
  void decimalsButtonsAndDialog();
  void startValuesDialog();
  void saveAndOpenThroughTheFileDialogs();
};

// The computed lay-out reaches the widgets: areas, row height, editor font, clear buttons.
void MainWindowTest::viewModesShowTheirAreas() {
  Started s;
  s.SetClientSize(900, 600);
  for (int mode : {3, 2, 1}) {
    const auto button =
        static_cast<ToolButton>(static_cast<int>(ToolButton::kViewSheet) + mode - 1);
    QTest::mouseClick(s.w().toolButton(button), Qt::LeftButton);
    QCOMPARE(s.doc().settings.view_mode, mode);
    QVERIFY(s.w().toolButton(button)->isChecked());
    QCOMPARE(s.w().sheetView()->rowHeight(0), mode == 1 ? 22 : 18);
    QCOMPARE(QFontInfo(s.w().editor()->font()).pointSize(), mode == 1 ? 12 : 10);
    QCOMPARE(s.w().tableArea()->isVisible(), mode != 1);
    QCOMPARE(s.w().graphArea()->isVisible(), mode == 3);
  }
  QCOMPARE(s.w().sheetView()->columnWidth(4), 525);
  QTest::mouseClick(s.w().toolButton(ToolButton::kViewAll), Qt::LeftButton);
  QCOMPARE(s.w().graphArea()->geometry(), QRect(0, 200, 600, 344));
}

void MainWindowTest::marksAndTheViewSwitch() {
  Started s;
  EnterCell(s.w(), 4, 1, "2");
  EnterCell(s.w(), 4, 2, "3");
  ClickCell(s.w(), 0, 1);
  QCOMPARE(s.doc().sheet.Cell(0, 1), std::string("T"));
  QVERIFY(s.w().toolButton(ToolButton::kViewSheetTable)->isChecked());
  ClickCell(s.w(), 1, 2);
  // F9 twice: two table rows; the table grid shows them.
  QTest::keyClick(s.w().sheetView(), Qt::Key_F9);
  QTest::keyClick(s.w().sheetView(), Qt::Key_F9);
  QCOMPARE(s.w().tableView()->model()->index(1, 0).data().toString().trimmed(),
           QStringLiteral("2"));
  QTest::mouseClick(s.w().toolButton(ToolButton::kClearTable), Qt::LeftButton);
  QCOMPARE(s.w().tableView()->model()->index(0, 0).data().toString(), QString());
  // The "T" header clears every T mark; the "*" marks stay.
  ClickCell(s.w(), 0, 0);
  QCOMPARE(s.doc().sheet.Cell(0, 1) + s.doc().sheet.Cell(1, 2), std::string(" *"));
}

void MainWindowTest::closeAnsweredNo() {
  Started s;
  QString text;
  OnModal<ConfirmDialogWidget>([&](ConfirmDialogWidget* d) {
    text = d->windowTitle() + "|" + d->message()->text() + "|" +
           QString::number(d->yes()->hasFocus() || d->yes()->isDefault());
    QTest::mouseClick(d->no(), Qt::LeftButton);
  });
  QVERIFY(!s.w().close());
  QCOMPARE(text, QStringLiteral("Bekræft|Ønsker du at afbryde programmet ?|1"));
}

void MainWindowTest::englishTextFile() {
  QFile file(QStringLiteral(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  Started s(file.readAll());
  QCOMPARE(s.w().windowTitle(), QStringLiteral("Ravnekal    version 1.69"));
  QCOMPARE(s.w().entry(TextId::kMenuRecalculate)->text(), QStringLiteral("&Recalculate sheet"));
  EnterCell(s.w(), 4, 1, "if 1>0 then 5 else 6");
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("         5"));
}

void MainWindowTest::typingCommitsAndMoves() {
  Started s;
  TypeIntoCell(s.w(), "x");  // the start: the name of line 1
  EnterCell(s.w(), 4, 1, "2*3");
  ClickCell(s.w(), 4, 2);
  TypeIntoCell(s.w(), "hvis x>0 så x+1 ellers 0", Qt::Key_Down);
  QCOMPARE(s.Cell(5, 1) + "|" + s.Cell(5, 2), std::string("         6|         7"));
  QCOMPARE(s.w().sheetView()->model()->index(1, 4).data().toString(),
           QStringLiteral("HVIS x>0 SÅ x+1 ELLERS 0"));
  QVERIFY(!s.w().editing());
  TypeIntoCell(s.w(), "7", Qt::Key_Up);
  QCOMPARE(s.w().sheetView()->currentIndex().row(), 1);  // the view follows
  // Backspace empties; Enter leaves the editor hidden over the same cell.
  QTest::keyClick(s.w().sheetView(), Qt::Key_Backspace);
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(s.Cell(4, 2) + "|" + s.Cell(5, 2), std::string("|"));
  QCOMPARE(s.doc().settings.editor_row, 2);
}

// Del goes to the editor, not to the sheet: it removes the selection and keeps the caret.
void MainWindowTest::deleteInsideTheEditor() {
  Started s;
  s.doc().sheet.SetCell(6, 2, "abcd");
  s.w().RefreshViews();
  ClickCell(s.w(), 6, 2);
  QTest::mouseDClick(s.w().sheetView()->viewport(), Qt::LeftButton, {},
                     s.w().SheetCellCentre(6, 2));
  QCOMPARE(s.w().editor()->text(), QStringLiteral("abcd"));
  s.w().editor()->setSelection(1, 2);
  QTest::keyClick(s.w().editor(), Qt::Key_Delete);
  QCOMPARE(s.w().editor()->cursorPosition(), 1);
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(s.Cell(6, 2), std::string("ad"));
}

// "Clear lines" is off while the editor is open; a click elsewhere commits to the old cell.
void MainWindowTest::clickElsewhereCommitsToTheOldCell() {
  Started s;
  QAction* clear_lines = s.w().entry(TextId::kMenuClearLines);
  ClickCell(s.w(), 4, 5);
  TypeIntoCell(s.w(), "4*4", 0);
  QVERIFY(!clear_lines->isEnabled());
  ClickCell(s.w(), 4, 8);
  QCOMPARE(s.Cell(4, 5) + "|" + s.Cell(5, 5) + "|" + s.Cell(4, 8), std::string("4*4|        16|"));
  QVERIFY(!s.w().editing());
  QVERIFY(clear_lines->isEnabled());
}

void MainWindowTest::decimalsButtonsAndDialog() {
  Started s;
  EnterCell(s.w(), 4, 1, "1/3");
  ClickCell(s.w(), 5, 1);
  QTest::mouseClick(s.w().toolButton(ToolButton::kMoreDecimals), Qt::LeftButton);
  QTest::mouseClick(s.w().toolButton(ToolButton::kFewerDecimals), Qt::LeftButton);
  QCOMPARE(s.w().sheetView()->model()->index(0, 5).data().toString(), QStringLiteral("  0.333333"));
  // Ticking the box disables the number; the spin buttons step the field.
  QString seen;
  OnModal<DecimalsDialogWidget>([&](DecimalsDialogWidget* d) {
    QTest::mouseClick(d->spinUp(), Qt::LeftButton);
    seen = d->windowTitle() + "|" + d->field()->text();
    QTest::mouseClick(d->check(), Qt::LeftButton);
    QVERIFY(!d->field()->isEnabled() && !d->spinUp()->isEnabled());
    QTest::mouseClick(d->yes(), Qt::LeftButton);
  });
  s.w().entry(TextId::kMenuDecimals)->trigger();
  QCOMPARE(seen, QStringLiteral("Antal viste decimaler|1"));
  QCOMPARE(s.Cell(5, 1), std::string(" 0.3333333"));
}

void MainWindowTest::startValuesDialog() {
  Started s;
  for (int k = 1; k <= 7; ++k) s.doc().sheet.SetCell(4, k, "A" + std::to_string(k) + "*2");
  s.doc().sheet.SetCell(3, 1, "x");
  s.doc().sheet.SetCell(4, 1, "x+1");
  s.w().RefreshViews();
  int dialog_height = 0;
  QString first;
  OnModal<StartValuesDialogWidget>([&](StartValuesDialogWidget* d) {
    dialog_height = d->height();  // more than five lines: the tall dialog
    first = d->table()->item(0, 0)->text();
    // Typed into the grid's own editor and left open: "OK" still takes it.
    QTest::keyClick(d->table(), Qt::Key_1);
    QTest::keyClicks(d->table()->viewport()->findChild<QLineEdit*>(), QStringLiteral("0,5"));
    QTest::mouseClick(d->ok(), Qt::LeftButton);
  });
  QTest::keyClick(s.w().sheetView(), Qt::Key_F10);
  QCOMPARE(dialog_height, 400);
  QCOMPARE(first, QStringLiteral(" x"));
  QCOMPARE(s.Cell(5, 1), std::string("      10.5"));
}

void MainWindowTest::saveAndOpenThroughTheFileDialogs() {
  Started s;
  EnterCell(s.w(), 4, 1, "5");
  QString titles;
  OnModal<QFileDialog>([&](QFileDialog* d) {
    titles += d->windowTitle();
    d->selectFile(s.Path("kasse"));  // no extension: the dialog completes it
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(TextId::kMenuSave)->trigger();
  // Change the sheet, then open the saved file again: loading shows mode 1.
  EnterCell(s.w(), 4, 1, "7");
  QTest::mouseClick(s.w().toolButton(ToolButton::kViewAll), Qt::LeftButton);
  OnModal<QFileDialog>([&](QFileDialog* d) {
    titles += "|" + d->windowTitle();
    d->selectFile(s.Path("kasse.rlk"));
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(TextId::kMenuOpen)->trigger();
  QCOMPARE(titles, QStringLiteral("Gem ark|Åben ark"));
  QVERIFY(s.w().toolButton(ToolButton::kViewSheet)->isChecked());
  QCOMPARE(s.w().sheetView()->model()->index(0, 5).data().toString(), QStringLiteral("         5"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
