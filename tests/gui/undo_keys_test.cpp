// Undo and redo from the keyboard and the Redigér menu, the editor's Escape and Tab, and the
// file short-cuts, driven with real key events.
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QUndoStack>

#include "gui/undo_history.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

constexpr int kE = Document::kExpression, kU = Document::kUnit;

void Keys(MainWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.sheetView(), key, modifiers);
  QCoreApplication::processEvents();
}

std::pair<int, int> Current(Started& s) {
  return {s.doc().sheet.CurrentCol(), s.doc().sheet.CurrentRow()};
}

}  // namespace

class UndoKeysTest : public QObject {
  Q_OBJECT
 private slots:
  // "rente", Tab, "4,5", Enter: the number goes into the expression, replacing its text.
  void escapeCancelsAndTabMoves() {
    Started s;
    EnterCell(s.w(), kE, 1, "1");
    ClickCell(s.w(), Document::kName, 1);
    TypeIntoCell(s.w(), "rente", Qt::Key_Tab);
    QCOMPARE(Current(s), std::pair(kE, 1));
    QTest::keyClicks(s.w().editor(), QStringLiteral("4,5"));
    QTest::keyClick(s.w().editor(), Qt::Key_Tab);
    QTest::keyClicks(s.w().editor(), QStringLiteral("kr"));
    QTest::keyClick(s.w().editor(), Qt::Key_Tab);  // on to the next line's name
    QCOMPARE(Current(s), std::pair(static_cast<int>(Document::kName), 2));
    QTest::keyClick(s.w().editor(), Qt::Key_Backtab);
    QCOMPARE(Current(s), std::pair(kU, 1));
    QCOMPARE(s.w().editor()->selectedText(), QStringLiteral("kr"));
    QTest::keyClicks(s.w().editor(), QStringLiteral("m"));
    QTest::keyClick(s.w().editor(), Qt::Key_Escape);
    QVERIFY(!s.w().editing() && !s.w().editor()->isVisible());
    QCOMPARE(s.Cell(Document::kName, 1) + "|" + s.Cell(kE, 1) + "|" + s.Cell(kU, 1),
             std::string("rente|4,5|kr"));
  }

  // From the grid the keys undo and redo changes; in the open editor they undo its typing.
  void undoKeysFromTheGridAndInTheEditor() {
    Started s;
    QMenu* edit = s.w().entry(TextId::kMenuEdit)->menu();
    QAction* undo = edit->actions().value(0);
    QAction* redo = edit->actions().value(1);
    QCOMPARE(undo->text() + "|" + redo->text(), QStringLiteral("F&ortryd|G&entag"));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    EnterCell(s.w(), kE, 1, "2");
    EnterCell(s.w(), kE, 1, "7");
    Keys(s.w(), Qt::Key_Z);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         2"));
    Keys(s.w(), Qt::Key_Z);
    QCOMPARE(s.Cell(kE, 1), std::string());
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    Keys(s.w(), Qt::Key_Y);
    Keys(s.w(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         7"));
    QVERIFY(!redo->isEnabled());
    ClickCell(s.w(), kE, 2);
    TypeIntoCell(s.w(), "12", 0);
    QTest::keyClicks(s.w().editor(), QStringLiteral("34"));
    QTest::keyClick(s.w().editor(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(s.w().editing() && s.w().editor()->text() != QStringLiteral("1234"));
    QTest::keyClick(s.w().editor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(s.w().editor()->text(), QStringLiteral("1234"));
    QCOMPARE(s.w().history()->Stack()->index(), 2);
  }

  // Ctrl+S saves, Ctrl+O opens (cancelled: the history stays; opened: a fresh one).
  void fileKeysAndAFreshHistory() {
    Started s;
    QUndoStack* stack = s.w().history()->Stack();
    EnterCell(s.w(), kE, 1, "5");
    QString titles;
    for (const bool accept : {true, false, true}) {
      OnModal<QFileDialog>([&, accept](QFileDialog* d) {
        titles += d->windowTitle() + "|";
        d->selectFile(s.Path("ark.rlk"));
        QMetaObject::invokeMethod(d, accept ? "accept" : "reject");
      });
      Keys(s.w(), titles.isEmpty() ? Qt::Key_S : Qt::Key_O);
      if (!accept) QCOMPARE(stack->count(), 1);
    }
    QCOMPARE(titles, QStringLiteral("Gem ark|Åben ark|Åben ark|"));
    QCOMPARE(stack->count(), 0);
    QCOMPARE(s.w().entry(TextId::kMenuNewSheet)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  }
};

QTEST_MAIN(UndoKeysTest)
#include "undo_keys_test.moc"
