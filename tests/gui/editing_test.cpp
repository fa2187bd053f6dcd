// The in-place editor driven with real key and mouse events.
#include <QAction>
#include <QMessageBox>
#include <QPushButton>

#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void nameAndExpressionGiveValues();
  void typingRules_data();
  void typingRules();
  void backspaceEmptiesTheCell();
  void upAndDownMoveAndCommit();
  void upAndDownAtTheEdgesKeepEditing();
  void deleteInsideTheEditor_data();
  void deleteInsideTheEditor();
  void reservedWordsInCapitals_data();
  void reservedWordsInCapitals();
  void rejectedNameIsReportedAndEmptied();
  void clickElsewhereCommitsToTheOldCell();
  void doubleClickOpensWithTheCellText();
  void clearLinesDisabledWhileEditing();
  void unrepresentableCharacterBecomesQuestionMark();
};

void EditingTest::nameAndExpressionGiveValues() {
  Started s;
  QCOMPARE(s.doc().sheet.CurrentCol(), 3);  // start: the name of line 1
  TypeIntoCell(s.w(), "x");
  EnterCell(s.w(), 4, 1, "2*3");
  EnterCell(s.w(), 4, 2, "x+1");
  QCOMPARE(s.doc().sheet.Cell(3, 1), std::string("x"));
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("         6"));
  QCOMPARE(s.doc().sheet.Cell(5, 2), std::string("         7"));
  // The view shows what the Document holds.
  const QAbstractItemModel* model = s.w().sheetView()->model();
  QCOMPARE(model->index(1, 5).data().toString(), QStringLiteral("         7"));
  QVERIFY(!s.w().editing());
  QVERIFY(!s.w().editor()->isVisible());
}

void EditingTest::typingRules_data() {
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("opens");
  QTest::newRow("name") << 3 << int(Qt::Key_A) << true;
  QTest::newRow("expression") << 4 << int(Qt::Key_1) << true;
  QTest::newRow("unit") << 6 << int(Qt::Key_M) << true;
  QTest::newRow("label") << 2 << int(Qt::Key_A) << false;
  QTest::newRow("value") << 5 << int(Qt::Key_A) << false;
  QTest::newRow("enter") << 4 << int(Qt::Key_Return) << false;
}

void EditingTest::typingRules() {
  QFETCH(int, col);
  QFETCH(int, key);
  QFETCH(bool, opens);
  Started s;
  s.doc().sheet.SetCell(col, 3, "old");
  s.w().RefreshViews();
  ClickCell(s.w(), col, 3);
  QTest::keyClick(s.w().sheetView(), static_cast<Qt::Key>(key));
  QCOMPARE(s.w().editing(), opens);
  QCOMPARE(s.w().editor()->isVisible(), opens);
  if (opens) {
    QCOMPARE(s.w().editor()->text().size(), 1);  // the typed character replaces "old"
    QVERIFY(s.w().editor()->hasFocus());
  }
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
  ClickCell(s.w(), 4, 3);
  TypeIntoCell(s.w(), "1+1", Qt::Key_Down);
  QCOMPARE(s.doc().sheet.Cell(4, 3), std::string("1+1"));
  QCOMPARE(s.doc().sheet.Cell(5, 3), std::string("         2"));
  QCOMPARE(s.doc().sheet.CurrentRow(), 4);
  QCOMPARE(s.doc().sheet.CurrentCol(), 4);
  QCOMPARE(s.doc().settings.editor_row, 4);
  QVERIFY(!s.w().editing());
  TypeIntoCell(s.w(), "7", Qt::Key_Up);
  QCOMPARE(s.doc().sheet.Cell(4, 4), std::string("7"));
  QCOMPARE(s.doc().sheet.CurrentRow(), 3);
  QCOMPARE(s.w().sheetView()->currentIndex().row(), 2);  // the view follows
}

void EditingTest::upAndDownAtTheEdgesKeepEditing() {
  Started s;
  s.doc().SetLineCount(3);
  s.w().RefreshViews();
  ClickCell(s.w(), 4, 1);
  TypeIntoCell(s.w(), "1", Qt::Key_Up);
  QVERIFY(s.w().editing());  // Up on line 1 does nothing
  QCOMPARE(s.doc().sheet.Cell(4, 1), std::string());
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  ClickCell(s.w(), 4, 3);
  TypeIntoCell(s.w(), "3", Qt::Key_Down);
  QVERIFY(s.w().editing());  // Down on the last line does nothing
  QCOMPARE(s.doc().sheet.CurrentRow(), 3);
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(s.doc().sheet.Cell(4, 3), std::string("3"));
}

void EditingTest::deleteInsideTheEditor_data() {
  QTest::addColumn<int>("caret");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("caretAfter");
  QTest::newRow("after b") << 2 << 0 << 0 << "abd" << 2;
  QTest::newRow("bc selected") << 3 << 1 << 2 << "ad" << 1;
  QTest::newRow("at the end") << 4 << 0 << 0 << "abcd" << 4;
  QTest::newRow("at the start") << 0 << 0 << 0 << "bcd" << 0;
}

void EditingTest::deleteInsideTheEditor() {
  QFETCH(int, caret);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QString, text);
  QFETCH(int, caretAfter);
  Started s;
  s.doc().sheet.SetCell(6, 2, "abcd");
  s.w().RefreshViews();
  ClickCell(s.w(), 6, 2);
  QTest::mouseDClick(s.w().sheetView()->viewport(), Qt::LeftButton, {},
                     s.w().SheetCellCentre(6, 2));
  QVERIFY(s.w().editing());
  QCOMPARE(s.w().editor()->text(), QStringLiteral("abcd"));
  if (selLength > 0) {
    s.w().editor()->setSelection(selStart, selLength);
  } else {
    s.w().editor()->setCursorPosition(caret);
  }
  QTest::keyClick(s.w().editor(), Qt::Key_Delete);
  QCOMPARE(s.w().editor()->text(), text);
  QCOMPARE(s.w().editor()->cursorPosition(), caretAfter);
  QVERIFY(s.w().editing());
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(Utf8(s.doc().sheet.Cell(6, 2)), text);
}

void EditingTest::reservedWordsInCapitals_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("stored");
  QTest::newRow("functions") << "2*pi+sin(x)"
                             << "2*PI+SIN(x)";
  QTest::newRow("conditions") << "hvis 1>0 så 1 ellers 2"
                              << "HVIS 1>0 SÅ 1 ELLERS 2";
  QTest::newRow("text line") << "!sin and cos"
                             << "!sin and cos";
  QTest::newRow("underscore") << "x_pi"
                              << "x_PI";
}

void EditingTest::reservedWordsInCapitals() {
  QFETCH(QString, typed);
  QFETCH(QString, stored);
  Started s;
  EnterCell(s.w(), 4, 2, typed.toUtf8().constData());
  QCOMPARE(Utf8(s.doc().sheet.Cell(4, 2)), stored);
  QCOMPARE(s.w().sheetView()->model()->index(1, 4).data().toString(), stored);
}

void EditingTest::rejectedNameIsReportedAndEmptied() {
  Started s;
  EnterCell(s.w(), 4, 1, "5");
  QString shown, title;
  int buttons = -1;
  QMessageBox::Icon icon = QMessageBox::Warning;
  OnModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->text();
    title = box->windowTitle();
    buttons = static_cast<int>(box->buttons().size());
    icon = box->icon();
    QVERIFY(box->parentWidget() == &s.w());
    box->button(QMessageBox::Ok)->click();
  });
  EnterCell(s.w(), 3, 1, "sin");
  QCOMPARE(shown, QStringLiteral("Navnet sin er optaget til en indbygget funktion"));
  QCOMPARE(title, QString());
  QCOMPARE(buttons, 1);
  QCOMPARE(icon, QMessageBox::NoIcon);
  QCOMPARE(s.doc().sheet.Cell(3, 1), std::string());
  QCOMPARE(s.w().sheetView()->model()->index(0, 3).data().toString(), QString());
}

void EditingTest::clickElsewhereCommitsToTheOldCell() {
  Started s;
  ClickCell(s.w(), 4, 5);
  TypeIntoCell(s.w(), "4*4", 0);
  QVERIFY(s.w().editing());
  ClickCell(s.w(), 4, 8);
  QCOMPARE(s.doc().sheet.Cell(4, 5), std::string("4*4"));
  QCOMPARE(s.doc().sheet.Cell(5, 5), std::string("        16"));
  QCOMPARE(s.doc().sheet.Cell(4, 8), std::string());
  QCOMPARE(s.doc().settings.editor_row, 8);
  QVERIFY(!s.w().editing());
}

void EditingTest::doubleClickOpensWithTheCellText() {
  Started s;
  s.doc().sheet.SetCell(4, 2, "1+2");
  s.doc().sheet.SetCell(5, 2, "stale");
  s.w().RefreshViews();
  for (const int col : {2, 5}) {  // label and value: nothing
    ClickCell(s.w(), col, 2);
    QTest::mouseDClick(s.w().sheetView()->viewport(), Qt::LeftButton, {},
                       s.w().SheetCellCentre(col, 2));
    QVERIFY(!s.w().editing());
  }
  ClickCell(s.w(), 4, 2);
  QTest::mouseDClick(s.w().sheetView()->viewport(), Qt::LeftButton, {},
                     s.w().SheetCellCentre(4, 2));
  QVERIFY(s.w().editing());
  QCOMPARE(s.w().editor()->text(), QStringLiteral("1+2"));
  // The editor lies over its cell.
  const QRect cell(
      s.w().sheetView()->viewport()->mapTo(
          s.w().sheetArea(),
          s.w().sheetView()->visualRect(s.w().sheetView()->model()->index(1, 4)).topLeft()),
      s.w().sheetView()->visualRect(s.w().sheetView()->model()->index(1, 4)).size());
  QVERIFY(cell.contains(s.w().editor()->geometry().center()));
  QCOMPARE(s.w().editor()->width(), cell.width() - 2);
}

void EditingTest::clearLinesDisabledWhileEditing() {
  Started s;
  QAction* clear_lines = s.w().entry(11);
  QVERIFY(clear_lines->isEnabled());
  ClickCell(s.w(), 6, 1);
  TypeIntoCell(s.w(), "m", 0);
  QVERIFY(!clear_lines->isEnabled());
  // A unit commit changes no value.
  s.doc().sheet.SetCell(5, 1, "stale");
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QVERIFY(clear_lines->isEnabled());
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("stale"));
}

void EditingTest::unrepresentableCharacterBecomesQuestionMark() {
  Started s;
  ClickCell(s.w(), 6, 1);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("Ω"));
  QApplication::sendEvent(s.w().sheetView(), &press);
  QVERIFY(s.w().editing());
  QTest::keyClicks(s.w().editor(), QStringLiteral("æ"));
  QKeyEvent more(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€λ"));
  QApplication::sendEvent(s.w().editor(), &more);
  QTest::keyClick(s.w().editor(), Qt::Key_Return);
  QCOMPARE(Utf8(s.doc().sheet.Cell(6, 1)), QStringLiteral("?æ€?"));
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
