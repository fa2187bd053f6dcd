#include "gui/graph_dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "gui/qt_text.h"

namespace ravnelok::gui {

namespace {

struct FormLayout {
  QSize client;
  QRect group;  // empty for TForm3
  QRect button;
  int choices;
};

FormLayout LayoutOf(GraphForm form) {
  switch (form) {
    case GraphForm::kXyPoints:
      return {QSize(281, 192), QRect(), QRect(96, 160, 89, 25), 0};
    case GraphForm::kTableAxis:
      return {QSize(249, 160), QRect(24, 16, 201, 105), QRect(72, 128, 89, 25), 2};
    case GraphForm::kSheetAxis:
      break;
  }
  return {QSize(219, 169), QRect(16, 16, 185, 105), QRect(64, 136, 89, 25), 3};
}

constexpr int kCheckLeft = 24;
constexpr int kCheckTop = 16;
constexpr int kCheckPitch = 32;
constexpr int kCheckHeight = 17;
// Room for the radio group's heading above its items.
constexpr int kGroupHeading = 18;

}  // namespace

GraphSettingsForm::GraphSettingsForm(GraphForm form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("TForm%1").arg(static_cast<int>(form_)));
  setModal(true);
  // The fixed geometry is made for the system font 13 pixels high.
  setFont(NamedFont("MS Sans Serif", 0, false, false, 13));
  const FormLayout l = LayoutOf(form_);
  setFixedSize(l.client);
  choice_count_ = l.choices;
  if (l.choices > 0) {
    group_ = new QGroupBox(this);
    group_->setGeometry(l.group);
    // The items share the group's height below the heading, as a radio group spaces them.
    const int pitch = (l.group.height() - kGroupHeading - 4) / l.choices;
    for (int i = 0; i < l.choices; ++i) {
      auto* radio = new QRadioButton(group_);
      radio->setGeometry(8, kGroupHeading + i * pitch, l.group.width() - 16, pitch);
      choices_[static_cast<size_t>(i)] = radio;
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      auto* check = new QCheckBox(this);
      check->setGeometry(kCheckLeft, kCheckTop + i * kCheckPitch, l.client.width() - 2 * kCheckLeft,
                         kCheckHeight);
      checks_[static_cast<size_t>(i)] = check;
    }
  }
  ok_ = new QPushButton(this);
  ok_->setGeometry(l.button);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void GraphSettingsForm::Show(const GraphSettingsDialog& dialog) {
  setWindowTitle(Title(dialog.caption));
  ok_->setText(Q(dialog.ok));
  if (group_ != nullptr) {
    group_->setTitle(Q(dialog.group));
    for (int i = 0; i < choice_count_; ++i) {
      QRadioButton* radio = choices_[static_cast<size_t>(i)];
      const bool present = i < static_cast<int>(dialog.choices.size());
      radio->setText(present ? Q(dialog.choices[static_cast<size_t>(i)]) : QString());
      radio->setVisible(present);
      // Radio buttons of one parent are exclusive: switching that off lets a choice outside
      // the group leave every item unchecked.
      radio->setAutoExclusive(false);
      radio->setChecked(i == dialog.choice);
      radio->setAutoExclusive(true);
    }
    return;
  }
  for (int i = 0; i < 4; ++i) {
    QCheckBox* check = checks_[static_cast<size_t>(i)];
    const bool present = i < static_cast<int>(dialog.check_captions.size());
    check->setText(present ? Q(dialog.check_captions[static_cast<size_t>(i)]) : QString());
    check->setVisible(present);
    check->setChecked(present && i < static_cast<int>(dialog.checks.size()) &&
                      dialog.checks[static_cast<size_t>(i)]);
  }
}

void GraphSettingsForm::ReadBack(GraphSettingsDialog& dialog) const {
  if (group_ != nullptr) {
    dialog.choice = -1;
    const int shown = std::min(choice_count_, static_cast<int>(dialog.choices.size()));
    for (int i = 0; i < shown; ++i) {
      if (choices_[static_cast<size_t>(i)]->isChecked()) dialog.choice = i;
    }
    return;
  }
  const size_t n = std::min<size_t>(4, dialog.check_captions.size());
  dialog.checks.assign(n, false);
  for (size_t i = 0; i < n; ++i) dialog.checks[i] = checks_[i]->isChecked();
}

void GraphSettingsForm::Run(GraphSettingsDialog& dialog) {
  Show(dialog);
  exec();
  ReadBack(dialog);
}

}  // namespace ravnelok::gui
