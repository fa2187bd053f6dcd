// The graph settings dialogs: their fixed layouts, texts, and the states they hand back.
#include "gui/graph_dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_test_support.h"

using namespace ravnelok;
using ravnelok::gui::GraphSettingsForm;
using ravnelok::gui::testing::OnModal;

namespace {

GraphSettingsDialog AxisDialog(int form, int choice) {
  GraphSettingsDialog d;
  d.form = form;
  d.caption = "Indstil grafik";
  d.group = "x-aksen";
  d.ok = "OK";
  if (form == 2) d.choices.push_back(" navne p\xE5 aksen");
  d.choices.push_back(" 1, 2, 3, ... p\xE5 aksen");
  d.choices.push_back(" 0, 1, 2, ... p\xE5 aksen");
  d.choice = choice;
  return d;
}

GraphSettingsDialog XyDialog(std::vector<bool> checks) {
  GraphSettingsDialog d;
  d.form = 3;
  d.caption = "Indstil grafik";
  d.ok = "OK";
  d.check_captions = {" x=0 vises (y-aksen tegnes)", " y=0 vises (x-aksen tegnes)",
                      " Forbind punkterne", "Samme enhed p\xE5 akserne"};
  d.checks = std::move(checks);
  return d;
}

// On the indicator, at the left end of the control.
void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

enum class Close { kOk, kEscape, kWindow };

void CloseDialog(GraphSettingsForm* f, Close how) {
  switch (how) {
    case Close::kOk:
      QTest::mouseClick(f->ok(), Qt::LeftButton);
      break;
    case Close::kEscape:
      QTest::keyClick(f, Qt::Key_Escape);
      break;
    case Close::kWindow:
      f->close();
      break;
  }
}

}  // namespace

Q_DECLARE_METATYPE(Close)

class GraphDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void FixedLayouts_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("group");
    QTest::addColumn<QRect>("button");
    QTest::newRow("TForm2") << 2 << QSize(219, 169) << QRect(16, 16, 185, 105)
                            << QRect(64, 136, 89, 25);
    QTest::newRow("TForm3") << 3 << QSize(281, 192) << QRect() << QRect(96, 160, 89, 25);
    QTest::newRow("TForm4") << 4 << QSize(249, 160) << QRect(24, 16, 201, 105)
                            << QRect(72, 128, 89, 25);
  }
  void FixedLayouts() {
    QFETCH(int, form);
    QFETCH(QSize, client);
    QFETCH(QRect, group);
    QFETCH(QRect, button);
    GraphSettingsForm f(form, nullptr);
    QCOMPARE(f.objectName(), QStringLiteral("TForm%1").arg(form));
    QCOMPARE(f.size(), client);
    QCOMPARE(f.minimumSize(), client);
    QCOMPARE(f.maximumSize(), client);
    QCOMPARE(f.ok()->geometry(), button);
    if (form == 3) {
      QVERIFY(f.group() == nullptr);
      for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.check(i)->pos(), QPoint(24, 16 + 32 * i));
        QCOMPARE(f.check(i)->height(), 17);
      }
    } else {
      QCOMPARE(f.group()->geometry(), group);
      QCOMPARE(f.choiceCount(), form == 2 ? 3 : 2);
      // The items lie inside the group, one below the other.
      for (int i = 0; i < f.choiceCount(); ++i) {
        QVERIFY(f.group()->rect().contains(f.choice(i)->geometry()));
        if (i > 0) QVERIFY(f.choice(i)->y() >= f.choice(i - 1)->geometry().bottom());
      }
    }
  }

  // The choice made counts however the dialog is closed.
  void RadioChoiceReadBack_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("click");  // -1: no click
    QTest::addColumn<Close>("close");
    QTest::addColumn<int>("expected");
    QTest::newRow("sheet, OK") << 2 << 0 << 2 << Close::kOk << 2;
    QTest::newRow("sheet, escape") << 2 << 2 << 1 << Close::kEscape << 1;
    QTest::newRow("sheet, window closed") << 2 << 1 << 0 << Close::kWindow << 0;
    QTest::newRow("sheet, untouched") << 2 << 1 << -1 << Close::kOk << 1;
    QTest::newRow("table, OK") << 4 << 0 << 1 << Close::kOk << 1;
    QTest::newRow("table, escape") << 4 << 1 << 0 << Close::kEscape << 0;
    QTest::newRow("choice outside the group") << 4 << 5 << -1 << Close::kOk << -1;
  }
  void RadioChoiceReadBack() {
    QFETCH(int, form);
    QFETCH(int, start);
    QFETCH(int, click);
    QFETCH(Close, close);
    QFETCH(int, expected);
    GraphSettingsForm f(form, nullptr);
    GraphSettingsDialog d = AxisDialog(form, start);
    QString title;
    QString item;
    OnModal<GraphSettingsForm>([&](GraphSettingsForm* shown) {
      title = shown->windowTitle();
      item = shown->choice(0)->text();
      for (int i = 0; i < shown->choiceCount(); ++i) {
        if (shown->choice(i)->isChecked() != (i == start)) item = "wrong start state";
      }
      if (click >= 0) Click(shown->choice(click));
      CloseDialog(shown, close);
    });
    f.Run(d);
    QCOMPARE(title, QStringLiteral("Indstil grafik"));
    QCOMPARE(item, form == 2 ? QStringLiteral(" navne p\u00E5 aksen")
                             : QStringLiteral(" 1, 2, 3, ... p\u00E5 aksen"));
    QCOMPARE(d.choice, expected);
    QCOMPARE(f.group()->title(), QStringLiteral("x-aksen"));
  }

  void CheckBoxesReadBack_data() {
    QTest::addColumn<int>("start");  // bit i: check i on
    QTest::addColumn<int>("toggle");
    QTest::addColumn<Close>("close");
    QTest::newRow("start values, join switched on") << 0b0011 << 0b0100 << Close::kOk;
    QTest::newRow("axes off, escape") << 0b0011 << 0b0011 << Close::kEscape;
    QTest::newRow("all toggled, window closed") << 0b1010 << 0b1111 << Close::kWindow;
    QTest::newRow("nothing changed") << 0b1001 << 0 << Close::kOk;
  }
  void CheckBoxesReadBack() {
    QFETCH(int, start);
    QFETCH(int, toggle);
    QFETCH(Close, close);
    GraphSettingsForm f(3, nullptr);
    std::vector<bool> checks;
    for (int i = 0; i < 4; ++i) checks.push_back((start >> i) & 1);
    GraphSettingsDialog d = XyDialog(checks);
    QString caption3;
    OnModal<GraphSettingsForm>([&](GraphSettingsForm* shown) {
      caption3 = shown->check(3)->text();
      for (int i = 0; i < 4; ++i) {
        if ((toggle >> i) & 1) Click(shown->check(i));
      }
      CloseDialog(shown, close);
    });
    f.Run(d);
    QCOMPARE(caption3, QStringLiteral("Samme enhed p\u00E5 akserne"));
    QCOMPARE(d.checks.size(), size_t{4});
    for (int i = 0; i < 4; ++i) QCOMPARE(bool(d.checks[i]), bool(((start ^ toggle) >> i) & 1));
  }
};

QTEST_MAIN(GraphDialogsTest)
#include "graph_dialogs_test.moc"
