#pragma once

#include <QDialog>
#include <QTableWidget>
#include <string>

#include "document/ui.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QTextBrowser;
class QToolButton;

namespace ravnelok::gui {

// Every dialog is created once, hidden, and shown modally on each use with the texts the
// caller put into its struct; the widget writes the user's input back into the struct.

// TBtnBottomDlg: the number of decimals shown.
class DecimalsDialogWidget : public QDialog {
  Q_OBJECT
 public:
  explicit DecimalsDialogWidget(QWidget* parent);
  bool Run(DecimalsDialog& dialog);

  QLineEdit* field() const { return field_; }
  QToolButton* spinUp() const { return up_; }
  QToolButton* spinDown() const { return down_; }
  QCheckBox* check() const { return check_; }
  QPushButton* yes() const { return yes_; }
  QPushButton* no() const { return no_; }

 private:
  void Show();
  DecimalsDialog model_;
  QLineEdit* field_;
  QToolButton* up_;
  QToolButton* down_;
  QCheckBox* check_;
  QPushButton* yes_;
  QPushButton* no_;
};

// The start values grid: an open cell editor is committed before the values are read.
class StartValuesTable : public QTableWidget {
  Q_OBJECT
 public:
  using QTableWidget::QTableWidget;
  void CommitOpenEditor();
};

// TBtnBottomDlg1: start values of the lines that refer to themselves.
class StartValuesDialogWidget : public QDialog {
  Q_OBJECT
 public:
  explicit StartValuesDialogWidget(QWidget* parent);
  bool Run(StartValuesDialog& dialog);

  StartValuesTable* table() const { return table_; }
  QPushButton* ok() const { return ok_; }
  QPushButton* cancel() const { return cancel_; }

 private:
  StartValuesTable* table_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// TBtnBottomDlg2: a one-line question with a confirming and a cancelling button.
class ConfirmDialogWidget : public QDialog {
  Q_OBJECT
 public:
  explicit ConfirmDialogWidget(QWidget* parent);
  bool Run(const std::string& caption, const std::string& message, const std::string& yes,
           const std::string& no);

  QLabel* message() const { return message_; }
  QPushButton* yes() const { return yes_; }
  QPushButton* no() const { return no_; }

 private:
  QLabel* message_;
  QPushButton* yes_;
  QPushButton* no_;
};

// TBtnBottomDlg3: one line of text.
class TextInputDialogWidget : public QDialog {
  Q_OBJECT
 public:
  explicit TextInputDialogWidget(QWidget* parent);
  bool Run(TextInputDialog& dialog);

  QLineEdit* field() const { return field_; }
  QPushButton* yes() const { return yes_; }
  QPushButton* no() const { return no_; }

 private:
  QLabel* label_;
  QLineEdit* field_;
  QPushButton* yes_;
  QPushButton* no_;
};

// TForm5: degrees or radians.
class AngleDialogWidget : public QDialog {
  Q_OBJECT
 public:
  explicit AngleDialogWidget(QWidget* parent);
  // True when closed with the button; the choice is written back either way.
  bool Run(AngleDialog& dialog);

  QRadioButton* degrees() const { return degrees_; }
  QRadioButton* radians() const { return radians_; }
  QPushButton* ok() const { return ok_; }

 private:
  QLabel* label_;
  QGroupBox* group_;
  QRadioButton* degrees_;
  QRadioButton* radians_;
  QPushButton* ok_;
};

// TAboutBox.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
  void Run(const std::string& product);
  QLabel* product() const { return product_; }

 private:
  QLabel* product_;
};

// The help viewer: shows the HTML help file.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  // The help file's text (HTML, UTF-8), or the path of the file that could not be read.
  void ShowFile(const QString& title, const QString& path, const std::string* html);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace ravnelok::gui
