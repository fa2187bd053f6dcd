// The dialogs of the main window, driven through their widgets.
#include "gui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void decimalsButtons();
  void decimalsDialog();
  void startValuesDialog();
  void saveAndOpenThroughTheFileDialogs();
  void dialogsHaveAFixedSize();
};

void DialogsTest::decimalsButtons() {
  Started s;
  EnterCell(s.w(), 4, 1, "1/3");
  ClickCell(s.w(), 5, 1);
  QTest::mouseClick(s.w().toolButton(ToolButton::kMoreDecimals),
                    Qt::LeftButton);  // more: the 7 shown
  QCOMPARE(s.doc().records.Decimals(1), 7);
  QTest::mouseClick(s.w().toolButton(ToolButton::kFewerDecimals), Qt::LeftButton);  // fewer
  QCOMPARE(s.Cell(5, 1), std::string("  0.333333"));
  QCOMPARE(s.w().sheetView()->model()->index(0, 5).data().toString(), QStringLiteral("  0.333333"));
}

void DialogsTest::decimalsDialog() {
  Started s;
  EnterCell(s.w(), 4, 1, "1/3");
  EnterCell(s.w(), 4, 2, "2/3");
  ClickCell(s.w(), 5, 1);
  // First use: unticked, "0"; two steps up and "Ja".
  QStringList seen;
  OnModal<DecimalsDialogWidget>([&](DecimalsDialogWidget* d) {
    seen << d->windowTitle() << d->field()->text() << QString::number(d->check()->isChecked());
    QTest::mouseClick(d->spinUp(), Qt::LeftButton);
    QTest::mouseClick(d->spinUp(), Qt::LeftButton);
    QTest::mouseClick(d->yes(), Qt::LeftButton);
  });
  s.w().entry(TextId::kMenuDecimals)->trigger();
  QCOMPARE(seen, (QStringList{"Antal viste decimaler", "0", "0"}));
  QCOMPARE(s.doc().settings.default_decimals, 2);
  QCOMPARE(s.Cell(5, 1) + "|" + s.Cell(5, 2), std::string("      0.33| 0.6666667"));
  // Ticking the box disables the number and means automatic.
  OnModal<DecimalsDialogWidget>([&](DecimalsDialogWidget* d) {
    QTest::mouseClick(d->check(), Qt::LeftButton);
    QVERIFY(!d->field()->isEnabled() && !d->spinUp()->isEnabled());
    QTest::mouseClick(d->yes(), Qt::LeftButton);
  });
  s.w().entry(TextId::kMenuDecimals)->trigger();
  QCOMPARE(s.doc().settings.default_decimals, -1);
  QCOMPARE(s.Cell(5, 1), std::string(" 0.3333333"));
}

void DialogsTest::startValuesDialog() {
  const int lines = 7;  // more than five: the tall dialog
  Started s;
  for (int k = 1; k <= lines; ++k) {
    s.doc().sheet.SetCell(3, k, k == 1 ? "x" : "");
    s.doc().sheet.SetCell(4, k, k == 1 ? "x+1" : "A" + std::to_string(k) + "*2");
  }
  s.w().RefreshViews();
  QStringList firsts;
  int dialog_height = 0;
  int rows = 0;
  OnModal<StartValuesDialogWidget>([&](StartValuesDialogWidget* d) {
    dialog_height = d->height();
    rows = d->table()->rowCount();
    QCOMPARE(d->windowTitle(), QStringLiteral("Startstil navne"));
    QCOMPARE(d->table()->currentColumn(), 1);
    for (int r = 0; r < rows; ++r) firsts << d->table()->item(r, 0)->text();
    // Typed into the grid's own editor and left open: "OK" still takes it.
    QTest::keyClick(d->table(), Qt::Key_1);
    auto* editor = d->table()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, QStringLiteral("0,5"));
    QTest::mouseClick(d->ok(), Qt::LeftButton);
  });
  QTest::keyClick(s.w().sheetView(), Qt::Key_F10);
  QCOMPARE(dialog_height, 400);
  QCOMPARE(rows, lines);
  QCOMPARE(firsts.mid(0, 2), (QStringList{" x", " A2"}));
  QCOMPARE(s.Cell(5, 1), std::string("      10.5"));
  Key(s.w(), Qt::Key_F9);
  QCOMPARE(s.Cell(5, 1), std::string("      11.5"));
}

void DialogsTest::saveAndOpenThroughTheFileDialogs() {
  Started s;
  EnterCell(s.w(), 3, 1, "radius");
  EnterCell(s.w(), 4, 1, "5");
  EnterCell(s.w(), 6, 1, "cm");
  EnterCell(s.w(), 4, 2, "pi*radius^2");
  ClickCell(s.w(), 1, 1);
  const QString typed = s.Path("kasse");  // no extension: the dialog completes it
  QString title;
  OnModal<QFileDialog>([&](QFileDialog* d) {
    title = d->windowTitle();
    QCOMPARE(d->nameFilters(), QStringList{QStringLiteral("Ravnelok-ark (*.rlk)")});
    d->selectFile(typed);
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(TextId::kMenuSave)->trigger();
  QCOMPARE(title, QStringLiteral("Gem ark"));
  // The layout is the file tests' business; reopening below proves the contents.
  QVERIFY(QFile::exists(s.Path("kasse.rlk")));
  QCOMPARE(s.doc().settings.file_name, s.Path("kasse.rlk").toStdString());

  // Change the sheet, then open the saved file again.
  EnterCell(s.w(), 4, 1, "7");
  QTest::mouseClick(s.w().toolButton(ToolButton::kViewAll),
                    Qt::LeftButton);  // mode 3; loading shows mode 1
  OnModal<QFileDialog>([&](QFileDialog* d) {
    title = d->windowTitle();
    d->selectFile(s.Path("kasse.rlk"));
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(TextId::kMenuOpen)->trigger();
  QCOMPARE(title, QStringLiteral("Åben ark"));
  QCOMPARE(s.Cell(4, 1), std::string("5"));
  QCOMPARE(s.doc().settings.view_mode, 1);
  QVERIFY(s.w().toolButton(ToolButton::kViewSheet)->isChecked());
  QCOMPARE(s.w().sheetView()->model()->index(1, 5).data().toString(), QStringLiteral("78.5398163"));
}

void DialogsTest::dialogsHaveAFixedSize() {
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

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
