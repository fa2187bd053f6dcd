// The main window driven with real key and mouse events: view modes, marks, the in-place
// editor, the dialogs and the UI text file.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>

#include "gui/dialogs.h"
#include "gui/graph_area.h"
#include "gui/undo_history.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The computed lay-out reaches the widgets: areas, row height, editor font, clear buttons.
  void viewModesShowTheirAreas() {
    Started s;
    s.SetClientSize(900, 600);
    for (int mode : {3, 2, 1}) {
      const auto button =
          static_cast<ToolButton>(static_cast<int>(ToolButton::kViewSheet) + mode - 1);
      QTest::mouseClick(s.w().toolButton(button), Qt::LeftButton);
      QCOMPARE(static_cast<int>(s.doc().settings.view_mode), mode);
      QVERIFY(s.w().toolButton(button)->isChecked());
      QCOMPARE(s.w().sheetView()->rowHeight(0), mode == 1 ? 22 : 18);
      QCOMPARE(QFontInfo(s.w().editor()->font()).pointSize(), mode == 1 ? 12 : 10);
      QCOMPARE(s.w().tableArea()->isVisible(), mode != 1);
      QCOMPARE(s.w().graphArea()->isVisible(), mode == 3);
    }
    QCOMPARE(s.w().sheetView()->columnWidth(4), 525);
    QTest::mouseClick(s.w().toolButton(ToolButton::kViewAll), Qt::LeftButton);
    QCOMPARE(s.w().graphArea()->geometry(), QRect(0, 200, 600, 344));
    QCOMPARE(s.w().bitmap().size(), QSize(600, 344));  // a blank bitmap follows the window
    for (SheetView* grid : {s.w().sheetView(), s.w().tableView()}) {
      QCOMPARE(QFontInfo(grid->horizontalHeader()->font()).family(),
               QFontInfo(grid->font()).family());
      QVERIFY(QFontInfo(grid->horizontalHeader()->font()).bold() &&
              QFontInfo(grid->font()).fixedPitch());
    }
  }

  void marksViewSwitchAndRejectedNameInABlankTitledMessageBox() {
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
    // The message box has a blank title (an empty one would show the program's name).
    QString shown;
    OnModal<QMessageBox>([&](QMessageBox* box) {
      shown = box->windowTitle() + "|" + box->text();
      box->button(QMessageBox::Ok)->click();
    });
    EnterCell(s.w(), 3, 1, "sin");
    QCOMPARE(shown, QStringLiteral(" |Navnet sin er optaget til en indbygget funktion"));
  }

  void englishTextFile() {
    QFile file(QStringLiteral(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    Started s(file.readAll());
    QCOMPARE(s.w().windowTitle(), QStringLiteral("Ravnekal    version 1.69"));
    QCOMPARE(s.w().entry(TextId::kMenuRecalculate)->text(), QStringLiteral("&Recalculate sheet"));
    // The added undo items take their place among the English ones, short-cuts and all.
    const QList<QAction*> items = s.w().entry(TextId::kMenuEdit)->menu()->actions();
    QCOMPARE(items.size(), 13);  // 2 + a separator + the 10 of before
    QCOMPARE(items[0]->text() + "|" + items[1]->text(), QStringLiteral("&Undo|&Redo"));
    QCOMPARE(items[1]->shortcuts().size(), 2);
    EnterCell(s.w(), 4, 1, "if 1>0 then 5 else 6");
    QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("         5"));
    // A failed value tells why in the edition's words; a computed one has no tip.
    EnterCell(s.w(), 4, 2, "1/0");
    const QAbstractItemModel* model = s.w().sheetView()->model();
    QCOMPARE(model->index(1, 5).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Division by zero"));
    QCOMPARE(model->index(0, 5).data(Qt::ToolTipRole).toString(), QString());
  }

  void typingCommitsAndMoves() {
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
    QCOMPARE(s.doc().editor.row, 2);
    // Del goes to the editor, not to the sheet: it removes the selection and keeps the caret.
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
    // "Clear lines" is off while the editor is open; a click elsewhere commits to the old cell.
    QAction* clear_lines = s.w().entry(TextId::kMenuClearLines);
    ClickCell(s.w(), 4, 5);
    TypeIntoCell(s.w(), "4*4", 0);
    QVERIFY(!clear_lines->isEnabled());
    ClickCell(s.w(), 4, 8);
    QCOMPARE(s.Cell(4, 5) + "|" + s.Cell(5, 5) + "|" + s.Cell(4, 8),
             std::string("4*4|        16|"));
    QVERIFY(!s.w().editing() && clear_lines->isEnabled());
  }

  void decimalsAndStartValuesDialogs() {
    Started s;
    EnterCell(s.w(), 4, 1, "1/3");
    ClickCell(s.w(), 5, 1);
    QTest::mouseClick(s.w().toolButton(ToolButton::kMoreDecimals), Qt::LeftButton);
    QTest::mouseClick(s.w().toolButton(ToolButton::kFewerDecimals), Qt::LeftButton);
    QCOMPARE(s.w().sheetView()->model()->index(0, 5).data().toString(),
             QStringLiteral("  0.333333"));
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
    Key(s.w(), Qt::Key_F10);
    QCOMPARE(first + "|" + QString::number(dialog_height), QStringLiteral(" x|400"));
    QCOMPARE(s.Cell(5, 1), std::string("      10.5"));
  }

  // Ctrl+S saves; Ctrl+O opens (cancelled, the history stays; opened, a fresh one begins).
  void saveAndOpenThroughTheFileDialogs() {
    Started s;
    QUndoStack* stack = s.w().history()->Stack();
    EnterCell(s.w(), 4, 1, "5");
    // A file dialog may be asked twice (see GuardNested): the handlers only assign.
    QString titles;
    OnModal<QFileDialog>([&](QFileDialog* d) {
      titles = d->windowTitle();
      ChooseFile(d, s.Path("kasse"));  // no extension: the dialog completes it
    });
    Key(s.w(), Qt::Key_S, Qt::ControlModifier);
    // Change the sheet, then open the saved file again: loading shows mode 1.
    EnterCell(s.w(), 4, 1, "7");
    QTest::mouseClick(s.w().toolButton(ToolButton::kViewAll), Qt::LeftButton);
    const int steps = stack->count();
    OnModal<QFileDialog>([](QFileDialog* d) { QMetaObject::invokeMethod(d, "reject"); });
    Key(s.w(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(steps > 0 && stack->count() == steps);
    // A missing file first: the dialog answers its own accept with a "not found" box inside
    // it, which GuardNested closes, and is asked again instead of leaving the test waiting.
    int asked = 0;
    OnModal<QFileDialog>([&](QFileDialog* d) {
      if (asked == 0) titles += "|" + d->windowTitle();
      ChooseFile(d, s.Path(++asked == 1 ? "mangler.rlk" : "kasse.rlk"));
    });
    Key(s.w(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(asked, 2);
    QCOMPARE(titles, QStringLiteral("Gem ark|Åben ark"));
    QCOMPARE(stack->count(), 0);
    QVERIFY(s.w().toolButton(ToolButton::kViewSheet)->isChecked());
    QCOMPARE(s.w().sheetView()->model()->index(0, 5).data().toString(),
             QStringLiteral("         5"));
    QCOMPARE(s.w().entry(TextId::kMenuNewSheet)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  }

  // The copy stays inside the program: the system clipboard keeps what it had.
  void copyAndPasteASelection() {
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
  void insertDialogAndDeleteOnSheetAndTable() {
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
    // Del on the table grid and on the sheet grid; the closed dialogs took the active window.
    QApplication::setActiveWindow(&s.w());
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

  void newSheetAnsweredYesAndNoAndCloseAnsweredNo() {
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
    QString text;  // closing, answered "Nej"
    OnModal<ConfirmDialogWidget>([&](ConfirmDialogWidget* d) {
      text = d->windowTitle() + "|" + d->message()->text() + "|" +
             QString::number(d->yes()->hasFocus() || d->yes()->isDefault());
      QTest::mouseClick(d->no(), Qt::LeftButton);
    });
    QVERIFY(!s.w().close());
    QCOMPARE(text, QStringLiteral("Bekræft|Ønsker du at afbryde programmet ?|1"));
  }

  void dialogsHaveAFixedSize() {
    QWidget parent;
    for (QDialog* d : std::initializer_list<QDialog*>{
             new DecimalsDialogWidget(&parent), new AngleDialogWidget(&parent),
             new ConfirmDialogWidget(&parent), new TextInputDialogWidget(&parent),
             new AboutBox(&parent)}) {
      d->layout()->activate();
      QCOMPARE(d->minimumSize(), d->maximumSize());
      QVERIFY(!(d->windowFlags() & Qt::WindowMaximizeButtonHint));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
