// The dialogs of the main window, driven through their widgets.
#include "gui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
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
  void startValuesDialog_data();
  void startValuesDialog();
  void startValuesInvalidEntry();
  void saveAndOpenThroughTheFileDialogs();
  void wrongFileType();
  void commandLineFileNameJoined();
  void angleDialog();
  void numberOfLines_data();
  void numberOfLines();
  void helpShowsTheFileOfTheWorkingFolder();
};

void DialogsTest::decimalsButtons() {
  Started s;
  EnterCell(s.w(), 4, 1, "1/3");
  QTest::mouseClick(s.w().toolButton(7), Qt::LeftButton);  // not in the value column: nothing
  QCOMPARE(s.doc().records.Decimals(1), -1);
  ClickCell(s.w(), 5, 1);
  QTest::mouseClick(s.w().toolButton(6), Qt::LeftButton);  // more: the 7 shown
  QCOMPARE(s.doc().records.Decimals(1), 7);
  QTest::mouseClick(s.w().toolButton(7), Qt::LeftButton);  // fewer
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
  s.w().entry(17)->trigger();
  QCOMPARE(seen, (QStringList{"Antal viste decimaler", "0", "0"}));
  QCOMPARE(s.doc().settings.default_decimals, 2);
  QCOMPARE(s.Cell(5, 1) + "|" + s.Cell(5, 2), std::string("      0.33| 0.6666667"));
  // Ticking the box disables the number; "Nej" changes nothing, but the box is remembered.
  OnModal<DecimalsDialogWidget>([&](DecimalsDialogWidget* d) {
    QTest::mouseClick(d->check(), Qt::LeftButton);
    QVERIFY(!d->field()->isEnabled() && !d->spinUp()->isEnabled());
    QTest::mouseClick(d->no(), Qt::LeftButton);
  });
  s.w().entry(17)->trigger();
  QCOMPARE(s.doc().settings.default_decimals, 2);
  bool checked = false;
  OnModal<DecimalsDialogWidget>([&](DecimalsDialogWidget* d) {
    checked = d->check()->isChecked();
    QTest::mouseClick(d->yes(), Qt::LeftButton);
  });
  s.w().entry(17)->trigger();
  QVERIFY(checked);
  QCOMPARE(s.doc().settings.default_decimals, -1);
  QCOMPARE(s.Cell(5, 1), std::string(" 0.3333333"));
}

void DialogsTest::startValuesDialog_data() {
  QTest::addColumn<int>("lines");
  QTest::addColumn<int>("height");
  QTest::newRow("five") << 5 << 230;
  QTest::newRow("seven") << 7 << 400;
}

void DialogsTest::startValuesDialog() {
  QFETCH(int, lines);
  QFETCH(int, height);
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
  QCOMPARE(dialog_height, height);
  QCOMPARE(rows, lines);
  QCOMPARE(firsts.mid(0, 2), (QStringList{" x", " A2"}));
  QCOMPARE(s.Cell(5, 1), std::string("      10.5"));
  Key(s.w(), Qt::Key_F9);
  QCOMPARE(s.Cell(5, 1), std::string("      11.5"));
}

void DialogsTest::startValuesInvalidEntry() {
  Started s;
  s.doc().sheet.SetCell(3, 1, "n");
  s.doc().sheet.SetCell(4, 1, "n+1");
  s.w().RefreshViews();
  QString message;
  OnModal<StartValuesDialogWidget>([&](StartValuesDialogWidget* d) {
    d->table()->item(0, 1)->setText(QStringLiteral("abc"));
    OnModal<QMessageBox>([&](QMessageBox* box) {
      message = box->text();
      box->accept();
    });
    d->ok()->click();
  });
  s.w().entry(20)->trigger();
  QCOMPARE(message, QStringLiteral("Ukorrekt angivelse af værdi"));
  // Cancelling shows nothing and changes nothing.
  s.doc().sheet.SetCell(5, 1, "stale");
  OnModal<StartValuesDialogWidget>([&](StartValuesDialogWidget* d) { d->cancel()->click(); });
  s.w().entry(20)->trigger();
  QCOMPARE(s.doc().sheet.Cell(5, 1), std::string("stale"));
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
  s.w().entry(3)->trigger();
  QCOMPARE(title, QStringLiteral("Gem ark"));
  QFile saved(s.Path("kasse.rlk"));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  QVERIFY(bytes.startsWith("200\r\n*\r\nradius\r\n5\r\ncm\r\n \r\n\r\nPI*radius^2\r\n"));
  QCOMPARE(s.doc().settings.file_name, s.Path("kasse.rlk").toStdString());

  // Change the sheet, then open the saved file again.
  EnterCell(s.w(), 4, 1, "7");
  QTest::mouseClick(s.w().toolButton(4), Qt::LeftButton);  // mode 3; loading shows mode 1
  OnModal<QFileDialog>([&](QFileDialog* d) {
    title = d->windowTitle();
    d->selectFile(s.Path("kasse.rlk"));
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(2)->trigger();
  QCOMPARE(title, QStringLiteral("Åben ark"));
  QCOMPARE(s.Cell(4, 1), std::string("5"));
  QCOMPARE(s.doc().settings.view_mode, 1);
  QVERIFY(s.w().toolButton(2)->isChecked());
  QCOMPARE(s.w().sheetView()->model()->index(1, 5).data().toString(), QStringLiteral("78.5398163"));
}

void DialogsTest::wrongFileType() {
  Started s;
  EnterCell(s.w(), 4, 1, "1");
  QFile other(s.Path("DATA.RLK"));
  QVERIFY(other.open(QIODevice::WriteOnly));
  other.write("2\r\n \r\n\r\n9\r\n\r\n");
  other.close();
  QString message;
  OnModal<QFileDialog>([&](QFileDialog* d) {
    d->setNameFilter(QStringLiteral("*"));
    d->selectFile(s.Path("DATA.RLK"));
    OnModal<QMessageBox>([&](QMessageBox* box) {
      message = box->text();
      box->accept();
    });
    QMetaObject::invokeMethod(d, "accept");
  });
  s.w().entry(2)->trigger();
  QCOMPARE(message, QStringLiteral("Forkert filtype"));
  QCOMPARE(s.Cell(4, 1), std::string("1"));
}

void DialogsTest::commandLineFileNameJoined() {
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mine ark")));
  const QString path = dir.filePath(QStringLiteral("mine ark/a.rlk"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("3\r\n \r\nx\r\n6*7\r\n\r\n*\r\n\r\nx/2\r\nkr\r\n");
  file.close();
  const QString first = dir.filePath(QStringLiteral("mine"));
  Started s({}, {first.toStdString(), "ark/a.rlk"});
  QCoreApplication::processEvents();
  QCOMPARE(s.w().sheetView()->model()->rowCount(), 2);
  QCOMPARE(s.Cell(5, 1) + "|" + s.Cell(5, 2), std::string("        42|        21"));
}

void DialogsTest::angleDialog() {
  Started s;
  EnterCell(s.w(), 4, 1, "sin(90)");
  OnModal<AngleDialogWidget>([&](AngleDialogWidget* d) {
    QVERIFY(d->degrees()->isChecked());
    d->radians()->click();
    d->ok()->click();
  });
  s.w().entry(18)->trigger();
  QVERIFY(!s.doc().settings.angle_in_degrees);
  QCOMPARE(s.Cell(5, 1), std::string(" 0.8939967"));
  // Radians is still selected; closing with the close box keeps the unit.
  bool radians_kept = false;
  OnModal<AngleDialogWidget>([&](AngleDialogWidget* d) {
    radians_kept = d->radians()->isChecked();
    d->degrees()->click();
    d->reject();
  });
  s.w().entry(18)->trigger();
  QVERIFY(radians_kept);
  QVERIFY(!s.doc().settings.angle_in_degrees);
}

void DialogsTest::numberOfLines_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("confirm");
  QTest::addColumn<int>("lines");
  QTest::newRow("25") << "25" << true << 25;
  QTest::newRow("blank inside") << "2 5" << true << 25;
  QTest::newRow("zero") << "0" << true << 199;
  QTest::newRow("too many") << "1000" << true << 199;
  QTest::newRow("not a number") << "12a" << true << 199;
  QTest::newRow("cancelled") << "25" << false << 199;
}

void DialogsTest::numberOfLines() {
  QFETCH(QString, typed);
  QFETCH(bool, confirm);
  QFETCH(int, lines);
  Started s;
  QString label, field;
  OnModal<TextInputDialogWidget>([&](TextInputDialogWidget* d) {
    label = d->findChild<QLabel*>()->text();
    field = d->field()->text();
    d->field()->selectAll();
    QTest::keyClicks(d->field(), typed);
    (confirm ? d->yes() : d->no())->click();
  });
  s.w().entry(16)->trigger();
  QCOMPARE(label, QStringLiteral("Antal linier (max 999)"));
  QCOMPARE(field, QStringLiteral("199"));
  QCOMPARE(s.w().sheetView()->model()->rowCount(), lines);
}

void DialogsTest::helpShowsTheFileOfTheWorkingFolder() {
  Started s;
  QFile help(s.Path("ravnelok.hlp"));
  QVERIFY(help.open(QIODevice::WriteOnly));
  help.write("<html><body><h1>Vejledning</h1><p>Tryk F9.</p></body></html>");
  help.close();
  QTest::keyClick(s.w().sheetView(), Qt::Key_F1);
  QVERIFY(s.w().helpWindow()->isVisible());
  QVERIFY(s.w().helpWindow()->browser()->toPlainText().contains(QStringLiteral("Tryk F9.")));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
