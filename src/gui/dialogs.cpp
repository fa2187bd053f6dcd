#include "gui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/icons.h"
#include "gui/qt_text.h"

namespace ravnelok::gui {

namespace {

// The two buttons side by side at the bottom, as every TBtnBottomDlg has them.
QHBoxLayout* BottomButtons(QPushButton* confirm, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(confirm);
  if (cancel) row->addWidget(cancel);
  return row;
}

// A dialog the user can neither resize nor maximise: its size is the one its layout needs.
void MakeFixedSize(QDialog* dialog, QLayout* layout) {
  layout->setSizeConstraint(QLayout::SetFixedSize);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

}  // namespace

// ---- TBtnBottomDlg

DecimalsDialogWidget::DecimalsDialogWidget(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnBottomDlg");
  setModal(true);
  field_ = new QLineEdit(this);
  field_->setReadOnly(true);
  field_->setFixedWidth(60);
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  check_ = new QCheckBox(this);
  yes_ = new QPushButton(this);
  no_ = new QPushButton(this);
  yes_->setDefault(true);

  auto* spin = new QVBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(up_);
  spin->addWidget(down_);
  auto* number = new QHBoxLayout;
  number->addWidget(field_);
  number->addLayout(spin);
  number->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(number);
  layout->addWidget(check_);
  layout->addLayout(BottomButtons(yes_, no_));
  MakeFixedSize(this, layout);

  connect(up_, &QToolButton::clicked, this, [this] {
    model_.SpinUp();
    Show();
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    model_.SpinDown();
    Show();
  });
  connect(check_, &QCheckBox::clicked, this, [this](bool checked) {
    model_.auto_checked = checked;
    Show();
  });
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
}

void DecimalsDialogWidget::Show() {
  field_->setText(Q(model_.field));
  check_->setChecked(model_.auto_checked);
  field_->setEnabled(model_.Editable());
  up_->setEnabled(model_.Editable());
  down_->setEnabled(model_.Editable());
}

bool DecimalsDialogWidget::Run(DecimalsDialog& dialog) {
  model_ = dialog;
  setWindowTitle(Title(dialog.caption));
  yes_->setText(Q(dialog.yes));
  no_->setText(Q(dialog.no));
  check_->setText(Q(dialog.check_caption));
  Show();
  const bool result = exec() == QDialog::Accepted;
  dialog = model_;
  return result;
}

// ---- TBtnBottomDlg1

void StartValuesTable::CommitOpenEditor() {
  if (state() != QAbstractItemView::EditingState) return;
  // The open editor is the visible child of the viewport; the focus need not be on it (the
  // dialog may not be the active window).
  for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!editor->isVisible()) continue;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return;
  }
}

StartValuesDialogWidget::StartValuesDialogWidget(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnBottomDlg1");
  setModal(true);
  table_ = new StartValuesTable(this);
  table_->setColumnCount(2);
  table_->setColumnWidth(0, 170);
  table_->setColumnWidth(1, 170);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(24);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table_->setFont(NamedFont("MS Sans Serif", 0, true, false, 13));
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  ok_ = new QPushButton(this);
  cancel_ = new QPushButton(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(BottomButtons(ok_, cancel_));
  connect(ok_, &QPushButton::clicked, this, [this] {
    table_->CommitOpenEditor();
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool StartValuesDialogWidget::Run(StartValuesDialog& dialog) {
  setWindowTitle(Title(dialog.caption));
  ok_->setText(Q(dialog.ok));
  cancel_->setText(Q(dialog.cancel));
  const int count = dialog.rows.empty() ? 0 : static_cast<int>(dialog.rows.size()) - 1;
  table_->clearContents();
  table_->setRowCount(count);
  if (!dialog.rows.empty()) {
    table_->setHorizontalHeaderLabels({Q(dialog.rows[0][0]), Q(dialog.rows[0][1])});
  }
  for (int r = 0; r < count; ++r) {
    auto* name = new QTableWidgetItem(Q(dialog.rows[r + 1][0]));
    name->setFlags(Qt::ItemIsEnabled);
    table_->setItem(r, 0, name);
    table_->setItem(r, 1, new QTableWidgetItem(Q(dialog.rows[r + 1][1])));
  }
  setFixedSize(2 * 170 + 40, dialog.height);
  if (count > 0) table_->setCurrentCell(0, 1);
  table_->setFocus();
  const bool result = exec() == QDialog::Accepted;
  for (int r = 0; r < count; ++r) {
    const QTableWidgetItem* item = table_->item(r, 1);
    dialog.rows[r + 1][1] = item ? W(item->text()) : std::string();
  }
  return result;
}

// ---- TBtnBottomDlg2

ConfirmDialogWidget::ConfirmDialogWidget(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnBottomDlg2");
  setModal(true);
  message_ = new QLabel(this);
  yes_ = new QPushButton(this);
  no_ = new QPushButton(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addLayout(BottomButtons(yes_, no_));
  MakeFixedSize(this, layout);
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
}

bool ConfirmDialogWidget::Run(const std::string& caption, const std::string& message,
                              const std::string& yes, const std::string& no) {
  setWindowTitle(Title(caption));
  message_->setText(Q(message));
  yes_->setText(Q(yes));
  no_->setText(Q(no));
  yes_->setDefault(true);
  yes_->setFocus();
  return exec() == QDialog::Accepted;
}

// ---- TBtnBottomDlg3

TextInputDialogWidget::TextInputDialogWidget(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnBottomDlg3");
  setModal(true);
  label_ = new QLabel(this);
  field_ = new QLineEdit(this);
  field_->setFixedWidth(265);
  yes_ = new QPushButton(this);
  no_ = new QPushButton(this);
  yes_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(field_);
  layout->addLayout(BottomButtons(yes_, no_));
  MakeFixedSize(this, layout);
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TextInputDialogWidget::Run(TextInputDialog& dialog) {
  setWindowTitle(Title(dialog.caption));
  label_->setText(Q(dialog.label));
  field_->setText(Q(dialog.field));
  yes_->setText(Q(dialog.yes));
  no_->setText(Q(dialog.no));
  field_->setFocus();
  const bool result = exec() == QDialog::Accepted;
  dialog.field = W(field_->text());
  return result;
}

// ---- TForm5

AngleDialogWidget::AngleDialogWidget(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm5");
  setModal(true);
  label_ = new QLabel(this);
  group_ = new QGroupBox(this);
  degrees_ = new QRadioButton(group_);
  radians_ = new QRadioButton(group_);
  degrees_->setChecked(true);
  auto* choices = new QVBoxLayout(group_);
  choices->addWidget(degrees_);
  choices->addWidget(radians_);
  ok_ = new QPushButton(this);
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(group_);
  layout->addLayout(BottomButtons(ok_, nullptr));
  MakeFixedSize(this, layout);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool AngleDialogWidget::Run(AngleDialog& dialog) {
  setWindowTitle(Title(dialog.caption));
  label_->setText(Q(dialog.label));
  group_->setTitle(Q(dialog.group));
  degrees_->setText(Q(dialog.degrees));
  radians_->setText(Q(dialog.radians));
  ok_->setText(Q(dialog.ok));
  (dialog.choice == AngleUnit::kRadians ? radians_ : degrees_)->setChecked(true);
  const bool result = exec() == QDialog::Accepted;
  dialog.choice = radians_->isChecked() ? AngleUnit::kRadians : AngleUnit::kDegrees;
  return result;
}

// ---- TAboutBox

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setModal(true);
  setWindowTitle(QStringLiteral("Ravnelok"));
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(48, 48));
  product_ = new QLabel(this);
  product_->setFont(NamedFont("MS Sans Serif", 0, true, false, 19));
  auto* version = new QLabel(QStringLiteral("version 1.69"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  auto* names = new QVBoxLayout;
  names->addWidget(product_);
  names->addWidget(version);
  top->addLayout(names);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(BottomButtons(ok, nullptr));
  MakeFixedSize(this, layout);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::Run(const std::string& product) {
  setWindowTitle(Q(product));  // the caption follows the edition
  product_->setText(Q(product));
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  exec();
}

// ---- help

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle(QStringLiteral("Ravnelok"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::ShowFile(const QString& title, const QString& path, const std::string* html) {
  setWindowTitle(title);
  if (html != nullptr) {
    browser_->setHtml(QString::fromUtf8(html->data(), static_cast<qsizetype>(html->size())));
  } else {
    browser_->setPlainText(QStringLiteral("Hjælpefilen %1 kan ikke læses.").arg(path));
  }
  browser_->moveCursor(QTextCursor::Start);
  show();
  raise();
  activateWindow();
}

}  // namespace ravnelok::gui
