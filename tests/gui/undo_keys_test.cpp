// Undo and redo from the keyboard and the Redigér menu, and the editor's Escape and Tab, driven
// with real key events.
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

#include "gui/dialogs.h"
#include "gui/undo_history.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

// A short-cut with modifiers, in the active window.
void Keys(MainWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.sheetView(), key, modifiers);
  QCoreApplication::processEvents();
}

}  // namespace

class UndoKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void escapeLeavesTheCellAsItWas() {
    Started s;
    EnterCell(s.w(), Document::kExpression, 1, "2+3");
    ClickCell(s.w(), Document::kExpression, 1);
    TypeIntoCell(s.w(), "9", 0);
    QVERIFY(s.w().editing());
    QTest::keyClick(s.w().editor(), Qt::Key_Escape);
    QVERIFY(!s.w().editing());
    QVERIFY(!s.w().editor()->isVisible());
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("2+3"));
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         5"));
    QCOMPARE(s.w().history()->Stack()->count(), 1);  // the first commit only
  }

  // Typing "rente", Tab, "4,5", Enter leaves the name and puts the number in the expression.
  void tabMovesToTheNextColumnWithTheEditorOpen() {
    Started s;
    EnterCell(s.w(), Document::kExpression, 1, "1");  // typing after Tab replaces it
    ClickCell(s.w(), Document::kName, 1);
    TypeIntoCell(s.w(), "rente", Qt::Key_Tab);
    QVERIFY(s.w().editing());
    QCOMPARE(s.doc().sheet.CurrentCol(), static_cast<int>(Document::kExpression));
    QTest::keyClicks(s.w().editor(), QStringLiteral("4,5"));
    QTest::keyClick(s.w().editor(), Qt::Key_Tab);
    QCOMPARE(s.doc().sheet.CurrentCol(), static_cast<int>(Document::kUnit));
    QTest::keyClicks(s.w().editor(), QStringLiteral("kr"));
    QTest::keyClick(s.w().editor(), Qt::Key_Tab);  // on to the next line's name
    QCOMPARE(std::pair(s.doc().sheet.CurrentCol(), s.doc().sheet.CurrentRow()),
             std::pair(static_cast<int>(Document::kName), 2));
    QTest::keyClick(s.w().editor(), Qt::Key_Backtab);  // back to the unit, its text selected
    QCOMPARE(std::pair(s.doc().sheet.CurrentCol(), s.doc().sheet.CurrentRow()),
             std::pair(static_cast<int>(Document::kUnit), 1));
    QCOMPARE(s.w().editor()->selectedText(), QStringLiteral("kr"));
    QTest::keyClick(s.w().editor(), Qt::Key_Return);
    QCOMPARE(s.Cell(Document::kName, 1), std::string("rente"));
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("4,5"));
    QCOMPARE(s.Cell(Document::kUnit, 1), std::string("kr"));
    QCOMPARE(s.Cell(Document::kName, 2), std::string());
  }

  void ctrlZAndCtrlYFromTheGrid() {
    Started s;
    QAction* undo = s.w().history()->UndoAction();
    QAction* redo = s.w().history()->RedoAction();
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    EnterCell(s.w(), Document::kExpression, 1, "2");
    EnterCell(s.w(), Document::kExpression, 1, "7");
    QVERIFY(undo->isEnabled());
    Keys(s.w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("2"));
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         2"));
    QVERIFY(redo->isEnabled());
    Keys(s.w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string());
    QVERIFY(!undo->isEnabled());
    Keys(s.w(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         2"));
    Keys(s.w(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         7"));
    QVERIFY(!redo->isEnabled());
  }

  // In the open editor the keys undo its typing; the sheet's history stays as it is.
  void theEditorKeepsItsOwnTextUndo() {
    Started s;
    EnterCell(s.w(), Document::kExpression, 1, "2");
    ClickCell(s.w(), Document::kExpression, 2);
    TypeIntoCell(s.w(), "12", 0);
    QTest::keyClicks(s.w().editor(), QStringLiteral("34"));
    QTest::keyClick(s.w().editor(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(s.w().editing());
    QVERIFY(s.w().editor()->text() != QStringLiteral("1234"));
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("2"));
    QCOMPARE(s.w().history()->Stack()->index(), 1);
    QTest::keyClick(s.w().editor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(s.w().editor()->text(), QStringLiteral("1234"));
    QTest::keyClick(s.w().editor(), Qt::Key_Return);
    QCOMPARE(s.Cell(Document::kExpression, 2), std::string("1234"));
    QCOMPARE(s.w().history()->Stack()->index(), 2);
  }

  // Undo of a line deletion brings the lines back; the menu items sit first under Redigér.
  void menuItemsAndDeletedLines() {
    Started s;
    QMenu* edit = s.w().entry(TextId::kMenuEdit)->menu();
    QCOMPARE(edit->actions().value(0), s.w().history()->UndoAction());
    QCOMPARE(edit->actions().value(1), s.w().history()->RedoAction());
    QCOMPARE(edit->actions().value(0)->text(), QStringLiteral("F&ortryd"));
    QCOMPARE(edit->actions().value(1)->text(), QStringLiteral("G&entag"));
    EnterCell(s.w(), Document::kExpression, 1, "5");
    EnterCell(s.w(), Document::kExpression, 2, "A1*2");
    ClickCell(s.w(), Document::kName, 1);
    s.w().entry(TextId::kMenuDeleteLines)->trigger();
    QCOMPARE(s.Cell(Document::kExpression, 2), std::string());
    s.w().history()->UndoAction()->trigger();
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("5"));
    QCOMPARE(s.Cell(Document::kExpression, 2), std::string("A1*2"));
    QCOMPARE(s.Cell(Document::kValue, 2), std::string("        10"));
  }

  // Ctrl+S saves, Ctrl+O opens; a cancelled open keeps the history, an opened sheet starts a
  // fresh one; Ctrl+N asks for a new sheet, which can be undone.
  void saveOpenAndNewFromTheKeyboard() {
    Started s;
    QUndoStack* stack = s.w().history()->Stack();
    EnterCell(s.w(), Document::kExpression, 1, "5");
    QString titles;
    OnModal<QFileDialog>([&](QFileDialog* d) {
      titles += d->windowTitle();
      d->selectFile(s.Path("ark.rlk"));
      QMetaObject::invokeMethod(d, "accept");
    });
    Keys(s.w(), Qt::Key_S, Qt::ControlModifier);
    OnModal<QFileDialog>([&](QFileDialog* d) {
      titles += "|" + d->windowTitle();
      QMetaObject::invokeMethod(d, "reject");
    });
    Keys(s.w(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(stack->count(), 1);
    OnModal<QFileDialog>([&](QFileDialog* d) {
      titles += "|" + d->windowTitle();
      d->selectFile(s.Path("ark.rlk"));
      QMetaObject::invokeMethod(d, "accept");
    });
    Keys(s.w(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(titles, QStringLiteral("Gem ark|Åben ark|Åben ark"));
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         5"));
    QCOMPARE(stack->count(), 0);
    QVERIFY(!s.w().history()->UndoAction()->isEnabled());
    OnModal<ConfirmDialogWidget>([](ConfirmDialogWidget* d) { d->yes()->click(); });
    Keys(s.w(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string());
    Keys(s.w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kExpression, 1), std::string("5"));
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         5"));
  }
};

QTEST_MAIN(UndoKeysTest)
#include "undo_keys_test.moc"
