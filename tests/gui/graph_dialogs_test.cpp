// The graph settings dialogs: their texts, and the states they hand back however they close.
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
using ravnelok::gui::testing::Utf8;

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

GraphSettingsDialog XyDialog() {
  GraphSettingsDialog d;
  d.form = 3;
  d.caption = "Indstil grafik";
  d.ok = "OK";
  d.check_captions = {" x=0 vises (y-aksen tegnes)", " y=0 vises (x-aksen tegnes)",
                      " Forbind punkterne", "Samme enhed p\xE5 akserne"};
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
  // The choice made counts however the dialog is closed.
  void RadioChoiceReadBack_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("click");  // -1: no click
    QTest::addColumn<Close>("close");
    QTest::addColumn<int>("expected");
    QTest::newRow("sheet, OK") << 2 << 0 << 2 << Close::kOk << 2;
    QTest::newRow("sheet, window closed") << 2 << 1 << 0 << Close::kWindow << 0;
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
    QStringList seen;
    OnModal<GraphSettingsForm>([&](GraphSettingsForm* shown) {
      seen << shown->windowTitle() << shown->group()->title() << shown->choice(0)->text();
      for (int i = 0; i < shown->choiceCount(); ++i) {
        if (shown->choice(i)->isChecked() != (i == start)) seen << "wrong start state";
      }
      if (click >= 0) Click(shown->choice(click));
      CloseDialog(shown, close);
    });
    f.Run(d);
    QCOMPARE(seen, (QStringList{"Indstil grafik", "x-aksen", Utf8(d.choices[0])}));
    QCOMPARE(d.choice, expected);
  }

  void CheckBoxesReadBack_data() {
    QTest::addColumn<int>("start");  // bit i: check i on
    QTest::addColumn<int>("toggle");
    QTest::addColumn<Close>("close");
    QTest::newRow("join switched on") << 0b0011 << 0b0100 << Close::kOk;
    QTest::newRow("axes off, escape") << 0b0011 << 0b0011 << Close::kEscape;
    QTest::newRow("all toggled, window closed") << 0b1010 << 0b1111 << Close::kWindow;
  }
  void CheckBoxesReadBack() {
    QFETCH(int, start);
    QFETCH(int, toggle);
    QFETCH(Close, close);
    GraphSettingsForm f(3, nullptr);
    GraphSettingsDialog d = XyDialog();
    for (int i = 0; i < 4; ++i) d.checks.push_back((start >> i) & 1);
    QString caption;
    OnModal<GraphSettingsForm>([&](GraphSettingsForm* shown) {
      caption = shown->check(3)->text();
      for (int i = 0; i < 4; ++i) {
        if ((toggle >> i) & 1) Click(shown->check(i));
      }
      CloseDialog(shown, close);
    });
    f.Run(d);
    QCOMPARE(caption, Utf8(d.check_captions[3]));
    QCOMPARE(d.checks.size(), size_t{4});
    for (int i = 0; i < 4; ++i) QCOMPARE(bool(d.checks[i]), bool(((start ^ toggle) >> i) & 1));
  }
};

QTEST_MAIN(GraphDialogsTest)
#include "graph_dialogs_test.moc"
