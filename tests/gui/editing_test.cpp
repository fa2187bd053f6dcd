// The in-place editor driven with real key and mouse events.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "gui/dialogs.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void nameAndExpressionGiveValues();
  void backspaceEmptiesTheCell();
  void upAndDownMoveAndCommit();
  void deleteInsideTheEditor();
  void rejectedNameIsReportedAndEmptied();
  void clickElsewhereCommitsToTheOldCell();
  void copyAndPasteASelection();
  void insertLinesDialog();
  void deleteOnSheetAndOnTable();
  void newSheetAnsweredYesAndNo();
};

void EditingTest::nameAndExpressionGiveValues() {
  Started s;
  QCOMPARE(s.doc().sheet.CurrentCol(), 3);  // start: the name of line 1
  TypeIntoCell(s.w(), "x");
  EnterCell(s.w(), 4, 1, "2*3");
  EnterCell(s.w(), 4, 2, "hvis x>0 så x+1 ellers 0");
  QCOMPARE(s.Cell(3, 1) + "|" + s.Cell(5, 1) + "|" + s.Cell(5, 2),
           std::string("x|         6|         7"));
  // Reserved words are stored in capitals, and the view shows what the Document holds.
  const QAbstractItemModel* model = s.w().sheetView()->model();
  QCOMPARE(model->index(1, 4).data().toString(), QStringLiteral("HVIS x>0 SÅ x+1 ELLERS 0"));
  QCOMPARE(model->index(1, 5).data().toString(), QStringLiteral("         7"));
  QVERIFY(!s.w().editing());
  QVERIFY(!s.w().editor()->isVisible());
}

void EditingTest::backspaceEmptiesTheCell() {
  Started s;
  EnterCell(s.w(), 4, 1, "5");
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("         5"));
  ClickCell(s.w(), 4, 1);
  QTest::keyClick(s.w().sheetView(), Qt::Key_Backspace);
  QVERIFY(s.w().editing());
  QCOMPARE(s.w().editor()->text(), QString());
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(s.doc().sheet.Cell(4, 1), std::string());
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string());  // recalculated
  // Enter leaves the editor over the same cell, hidden and reloaded.
  QCOMPARE(s.doc().settings.editor_row, 1);
  QVERIFY(!s.w().editor()->isVisible());
}

void EditingTest::upAndDownMoveAndCommit() {
  Started s;
  s.doc().SetLineCount(4);
  s.w().RefreshViews();
  ClickCell(s.w(), 4, 2);
  TypeIntoCell(s.w(), "1+1", Qt::Key_Down);
  QCOMPARE(s.Cell(4, 2) + "|" + s.Cell(5, 2), std::string("1+1|         2"));
  QCOMPARE(s.doc().sheet.CurrentRow(), 3);
  QCOMPARE(s.doc().settings.editor_row, 3);
  QVERIFY(!s.w().editing());
  TypeIntoCell(s.w(), "7", Qt::Key_Up);
  QCOMPARE(s.Cell(4, 3), std::string("7"));
  QCOMPARE(s.w().sheetView()->currentIndex().row(), 1);  // the view follows
  // Up on line 1 and Down on the last line do nothing: the editor stays open.
  for (const auto& [row, key] : {std::pair{1, Qt::Key_Up}, std::pair{4, Qt::Key_Down}}) {
    ClickCell(s.w(), 4, row);
    TypeIntoCell(s.w(), "3", key);
    QVERIFY(s.w().editing());
    QCOMPARE(s.Cell(4, row), std::string());
    QTest::keyClick(s.w().editor(), Qt::Key_Return);
    QCOMPARE(s.Cell(4, row), std::string("3"));
  }
}

// Del goes to the editor, not to the sheet: it removes the selection and keeps the caret.
void EditingTest::deleteInsideTheEditor() {
  Started s;
  s.doc().sheet.SetCell(6, 2, "abcd");
  s.w().RefreshViews();
  ClickCell(s.w(), 6, 2);
  QTest::mouseDClick(s.w().sheetView()->viewport(), Qt::LeftButton, {},
                     s.w().SheetCellCentre(6, 2));
  QVERIFY(s.w().editing());
  QCOMPARE(s.w().editor()->text(), QStringLiteral("abcd"));
  s.w().editor()->setSelection(1, 2);
  QTest::keyClick(s.w().editor(), Qt::Key_Delete);
  QCOMPARE(s.w().editor()->text(), QStringLiteral("ad"));
  QCOMPARE(s.w().editor()->cursorPosition(), 1);
  QVERIFY(s.w().editing());
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(s.Cell(6, 2), std::string("ad"));
}

void EditingTest::rejectedNameIsReportedAndEmptied() {
  Started s;
  EnterCell(s.w(), 4, 1, "5");
  QString shown;
  OnModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->windowTitle() + "|" + box->text();  // a blank title, not the program's name
    QCOMPARE(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  EnterCell(s.w(), 3, 1, "sin");
  QCOMPARE(shown, QStringLiteral(" |Navnet sin er optaget til en indbygget funktion"));
  QCOMPARE(s.Cell(3, 1), std::string());
  QCOMPARE(s.w().sheetView()->model()->index(0, 3).data().toString(), QString());
}

// "Clear lines" is off while the editor is open; a click elsewhere commits to the old cell.
void EditingTest::clickElsewhereCommitsToTheOldCell() {
  Started s;
  QAction* clear_lines = s.w().entry(TextId::kMenuClearLines);
  ClickCell(s.w(), 4, 5);
  TypeIntoCell(s.w(), "4*4", 0);
  QVERIFY(s.w().editing());
  QVERIFY(!clear_lines->isEnabled());
  ClickCell(s.w(), 4, 8);
  QCOMPARE(s.Cell(4, 5) + "|" + s.Cell(5, 5), std::string("4*4|        16"));
  QCOMPARE(s.Cell(4, 8), std::string());
  QCOMPARE(s.doc().settings.editor_row, 8);
  QVERIFY(!s.w().editing());
  QVERIFY(clear_lines->isEnabled());
}

// The copy stays inside the program: the system clipboard keeps what it had.
void EditingTest::copyAndPasteASelection() {
  Started s;
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  EnterCell(s.w(), 4, 1, "2");
  EnterCell(s.w(), 4, 2, "A1+1");
  ClickCell(s.w(), 4, 2);
  QTest::keyClick(s.w().sheetView(), Qt::Key_C, Qt::ControlModifier);
  ClickCell(s.w(), 4, 3);
  QTest::mouseClick(s.w().sheetView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    s.w().SheetCellCentre(4, 4));
  QTest::keyClick(s.w().sheetView(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(s.Cell(4, 3) + "|" + s.Cell(4, 4) + "|" + s.Cell(5, 4),
           std::string("A2+1|A3+1|         5"));
  ClickCell(s.w(), 4, 5);
  s.w().toolButton(ToolButton::kPaste)->click();
  QCOMPARE(s.Cell(4, 5), std::string("A4+1"));
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

// Only a whole number from 1 to 10, confirmed, inserts.
void EditingTest::insertLinesDialog() {
  Started s;
  EnterCell(s.w(), 4, 1, "7");
  for (const auto& [answer, yes] :
       {std::pair{"11", true}, {"0", true}, {"2x", true}, {"3", false}, {" 2 ", true}}) {
    ClickCell(s.w(), 4, 1);
    OnModal<TextInputDialogWidget>([&](TextInputDialogWidget* d) {
      QCOMPARE(d->field()->text(), QStringLiteral("1"));
      d->field()->setText(QString::fromLatin1(answer));
      (yes ? d->yes() : d->no())->click();
    });
    s.w().entry(TextId::kMenuInsertLines)->trigger();
  }
  QCOMPARE(s.Cell(4, 1) + "|" + s.Cell(4, 3) + "|" + s.Cell(5, 3), std::string("|7|         7"));
}

void EditingTest::deleteOnSheetAndOnTable() {
  Started s;
  EnterCell(s.w(), 4, 1, "1");
  EnterCell(s.w(), 6, 1, "kr");
  ClickCell(s.w(), 0, 1);  // table mark: the table starts with the next edits
  for (const char* e : {"4", "5", "6"}) EnterCell(s.w(), 4, 2, e);
  QCOMPARE(s.doc().settings.table_rows, 3);
  SheetView* table = s.w().tableView();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                    table->visualRect(table->model()->index(1, 0)).center());
  QVERIFY(table->hasFocus());
  QTest::keyClick(table, Qt::Key_Delete);
  QCOMPARE(s.doc().settings.table_rows, 2);
  QVERIFY(s.w().sheetView()->hasFocus());
  ClickCell(s.w(), 2, 1);  // label to unit: the label stays
  QTest::mouseClick(s.w().sheetView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    s.w().SheetCellCentre(6, 1));
  Key(s.w(), Qt::Key_Delete);
  QCOMPARE(s.Cell(2, 1) + "|" + s.Cell(4, 1) + "|" + s.Cell(5, 1) + "|" + s.Cell(6, 1),
           std::string("A1|||"));
  QCOMPARE(s.doc().settings.table_rows, 0);  // the fresh pass starts the table again
}

void EditingTest::newSheetAnsweredYesAndNo() {
  Started s;
  EnterCell(s.w(), 4, 1, "7");
  s.doc().settings.file_name = "a.rlk";
  s.doc().records.SetDecimals(1, 3);
  s.w().toolButton(ToolButton::kViewSheetTable)->click();
  for (const bool yes : {false, true}) {
    OnModal<ConfirmDialogWidget>([&](ConfirmDialogWidget* d) {
      QCOMPARE(d->message()->text(),
               QStringLiteral("Ønsker du at slette arket og starte på et nyt ark?"));
      (yes ? d->yes() : d->no())->click();
    });
    s.w().entry(TextId::kMenuNewSheet)->trigger();
    QCOMPARE(
        s.Cell(4, 1) + s.doc().settings.file_name + std::to_string(s.doc().records.Decimals(1)),
        std::string(yes ? "*.rlk-1" : "7a.rlk3"));
    QCOMPARE(s.w().toolButton(ToolButton::kViewSheet)->isChecked(), yes);
  }
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
