#pragma once

#include <QDialog>
#include <array>

#include "document/ui.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace ravnelok::gui {

// The graph settings dialogs TForm2 (bars and curves from the sheet), TForm3 (xy-points) and
// TForm4 (bars and curves from the table): fixed-size windows with one button. They are created
// once and keep their controls' states between uses; the caller's struct brings the texts and
// the states, and gets the states back however the dialog was closed.
class GraphSettingsForm : public QDialog {
  Q_OBJECT
 public:
  GraphSettingsForm(GraphForm form, QWidget* parent);

  GraphForm form() const { return form_; }
  void Run(GraphSettingsDialog& dialog);

  // The controls, for the widget tests.
  QGroupBox* group() const { return group_; }
  QRadioButton* choice(int i) const { return choices_[static_cast<size_t>(i)]; }
  QCheckBox* check(int i) const { return checks_[static_cast<size_t>(i)]; }
  QPushButton* ok() const { return ok_; }
  int choiceCount() const { return choice_count_; }

 private:
  void Show(const GraphSettingsDialog& dialog);
  void ReadBack(GraphSettingsDialog& dialog) const;

  GraphForm form_;
  int choice_count_ = 0;
  QGroupBox* group_ = nullptr;
  std::array<QRadioButton*, 3> choices_{};
  std::array<QCheckBox*, 4> checks_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace ravnelok::gui
