// Undo and redo from the keyboard and the Redigér menu, and the editor's Escape and Tab, driven
// with real key events.
#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "gui/undo_history.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

constexpr int kE = Document::kExpression, kU = Document::kUnit;

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
    Key(s.w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.Cell(Document::kValue, 1), std::string("         2"));
    Key(s.w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.Cell(kE, 1), std::string());
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    Key(s.w(), Qt::Key_Y, Qt::ControlModifier);
    Key(s.w(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
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
};

QTEST_MAIN(UndoKeysTest)
#include "undo_keys_test.moc"
