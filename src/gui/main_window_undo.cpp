// The main window's history: every command that changes the sheet is recorded, and Fortryd /
// Gentag put its change back or make it again.
#include <QMenu>

#include "app/history.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/undo_history.h"

namespace ravnelok::gui {

void MainWindow::BuildHistory(QMenu* edit_menu) {
  history_ = new UndoHistory([this](SheetChange& change, bool undo) { ApplyChange(change, undo); },
                             edit_menu, this);
  history_->SetTexts(Q(doc_.texts.Caption(TextId::kMenuUndo)),
                     Q(doc_.texts.Caption(TextId::kMenuRedo)));
}

void MainWindow::Record(const std::function<void()>& command) {
  // A commit while a command runs (a dialog took the focus) belongs to that command's change.
  if (doc_.sheet.Journal() != nullptr) {
    command();
    return;
  }
  fresh_history_ = false;
  ChangeRecorder recorder(doc_);
  command();
  std::optional<SheetChange> change = recorder.Finish();
  if (std::exchange(fresh_history_, false)) {
    history_->Clear();
  } else if (change) {
    history_->Push(std::move(*change));
  }
}

void MainWindow::ApplyChange(SheetChange& change, bool undo) {
  // Chosen from the menu while a cell is being edited: the unfinished edit is dropped, as
  // Escape drops it, and the change is undone as it was recorded.
  CancelEditor();
  if (undo) {
    UndoSheetChange(doc_, *this, change);
  } else {
    RedoSheetChange(doc_, *this, change);
  }
  // The editor goes to the current cell of that state, as after a click.
  last_col_ = -1;
  RefreshViews();
}

}  // namespace ravnelok::gui
