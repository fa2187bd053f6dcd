// The sheet grid, the table grid and the in-place editor of the main window.
#include <QHeaderView>
#include <QItemSelection>
#include <QScrollBar>

#include "app/sheet_commands.h"
#include "editing/editor_moves.h"
#include "gui/grid_model.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/sheet_view.h"

namespace ravnelok::gui {

QPoint MainWindow::SheetCellCentre(int col, int row) const {
  return sheet_view_->visualRect(sheet_model_->index(row - 1, col)).center();
}

// ---- Document -> views

void MainWindow::PushGrid(const TextGrid& grid, SheetView* view, GridModel* model,
                          int& top_pushed) {
  model->Refresh();
  const int rows = model->rowCount();
  const int cols = model->columnCount();
  for (int c = 0; c < cols; ++c) {
    if (view->columnWidth(c) != grid.ColWidth(c)) view->setColumnWidth(c, grid.ColWidth(c));
  }
  if (rows == 0) return;
  const GridRect& s = grid.Selection();
  auto clamp_row = [rows](int r) { return std::clamp(r - 1, 0, rows - 1); };
  auto clamp_col = [cols](int c) { return std::clamp(c, 0, cols - 1); };
  const QModelIndex top_left = model->index(clamp_row(s.top), clamp_col(s.left));
  const QModelIndex bottom_right = model->index(clamp_row(s.bottom), clamp_col(s.right));
  const QItemSelection wanted(top_left, bottom_right);
  QItemSelectionModel* selection = view->selectionModel();
  if (selection->selection() != wanted) {
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
  }
  const QModelIndex current =
      model->index(clamp_row(grid.CurrentRow()), clamp_col(grid.CurrentCol()));
  if (view->currentIndex() != current) {
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  }
  if (grid.top_row != top_pushed) {
    view->verticalScrollBar()->setValue(grid.top_row - 1);
    top_pushed = grid.top_row;
  }
}

void MainWindow::RefreshViews() {
  syncing_ = true;
  PushGrid(doc_.sheet, sheet_view_, sheet_model_, sheet_top_pushed_);
  PushGrid(doc_.table, table_view_, table_model_, table_top_pushed_);
  syncing_ = false;
  const int col = doc_.sheet.CurrentCol();
  const int row = doc_.sheet.CurrentRow();
  if (!editing_ && (col != last_col_ || row != last_row_)) {
    // A program that moves the current cell places the editor like a click does.
    last_col_ = col;
    last_row_ = row;
    sheet_view_->scrollTo(sheet_model_->index(row - 1, col));
    PlaceEditorAt(col, row, true);
  } else {
    PlaceEditorAt(doc_.editor.column, doc_.editor.row, !editing_);
  }
}

// ---- views -> Document

void MainWindow::PullGrid(TextGrid& grid, SheetView* view) {
  const QModelIndex current = view->currentIndex();
  if (!current.isValid()) return;
  grid.SetCurrent(current.column(), current.row() + 1);
  const QItemSelection selection = view->selectionModel()->selection();
  if (selection.isEmpty()) return;
  GridRect rect{current.column(), current.row() + 1, current.column(), current.row() + 1};
  bool first = true;
  for (const QItemSelectionRange& range : selection) {
    if (first) {
      rect = {range.left(), range.top() + 1, range.right(), range.bottom() + 1};
      first = false;
    }
    rect.left = std::min(rect.left, range.left());
    rect.top = std::min(rect.top, range.top() + 1);
    rect.right = std::max(rect.right, range.right());
    rect.bottom = std::max(rect.bottom, range.bottom() + 1);
  }
  grid.Select(rect);
}

void MainWindow::OnSheetCurrentChanged() {
  if (syncing_) return;
  PullGrid(doc_.sheet, sheet_view_);
  const int col = doc_.sheet.CurrentCol();
  const int row = doc_.sheet.CurrentRow();
  if (col == last_col_ && row == last_row_) return;
  last_col_ = col;
  last_row_ = row;
  if (editing_) CommitEditor();
  PlaceEditorAt(col, row, true);
}

void MainWindow::OnSheetScrolled() {
  if (syncing_) return;
  doc_.sheet.top_row = sheet_view_->verticalScrollBar()->value() + 1;
  sheet_top_pushed_ = doc_.sheet.top_row;
  PlaceEditorAt(doc_.editor.column, doc_.editor.row, !editing_);
}

// ---- the in-place editor

void MainWindow::PlaceEditorAt(int col, int row, bool reload) {
  const std::string text = PlaceEditor(doc_, col, row);
  if (reload) editor_->setText(Q(text));
  const QRect cell = sheet_view_->visualRect(sheet_model_->index(row - 1, col));
  if (!cell.isValid()) return;
  // The cell in grid client coordinates, whose origin lies 3 pixels in from the panel's
  // corner, as the placement rule counts them.
  const QPoint corner = sheet_view_->viewport()->mapTo(sheet_panel_, cell.topLeft());
  const CellRect rect{corner.x() - 3, corner.y() - 3, corner.x() - 3 + cell.width(),
                      corner.y() - 3 + cell.height()};
  const EditorGeometry g = EditorOverCell(rect);
  editor_->setGeometry(g.left, g.top, g.width, g.height);
}

void MainWindow::OpenEditor(const std::string* text) {
  editing_ = true;
  PlaceEditorAt(doc_.editor.column, doc_.editor.row, true);
  entry(TextId::kMenuClearLines)->setEnabled(false);
  if (text) editor_->setText(Q(*text));
  editor_->end(false);
  editor_->show();
  editor_->raise();
  editor_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::CommitEditor() {
  if (!editing_ || committing_) return;
  committing_ = true;
  editing_ = false;
  const std::string text = W(editor_->text());
  const bool had_focus = editor_->hasFocus();
  editor_->hide();
  entry(TextId::kMenuClearLines)->setEnabled(true);
  if (had_focus) sheet_view_->setFocus();
  Record([this, &text] { CommitEditorText(doc_, *this, text); });
  committing_ = false;
  RefreshViews();
}

void MainWindow::OnSheetPressed(Qt::MouseButton button, int col, int row, bool* handled) {
  CommitEditor();
  const MouseButton which = button == Qt::LeftButton    ? MouseButton::kLeft
                            : button == Qt::RightButton ? MouseButton::kRight
                                                        : MouseButton::kMiddle;
  Record([&] { PressSheetGrid(doc_, *this, which, col, row); });
  RefreshViews();
  // Only a left press on an ordinary cell moves the current cell and the selection.
  *handled = row == 0 || button != Qt::LeftButton || col < Document::kFixedColumns;
}

void MainWindow::OnSheetDoubleClicked() {
  if (editing_ || !DoubleClickOpensEditor(doc_)) return;
  OpenEditor(nullptr);
}

void MainWindow::OnCharacterTyped(const QString& text, bool* handled) {
  *handled = true;
  const std::string typed = text == QStringLiteral("\b") ? std::string("\b") : W(text);
  if (typed.empty()) return;
  const TypingResult result = TypeOnSheet(doc_.sheet.CurrentCol(), typed[0]);
  if (!result.open_editor) return;
  // Several characters at once come from an input method; they all go in.
  const std::string start = typed == "\b" ? std::string() : typed;
  OpenEditor(&start);
}

void MainWindow::OnEditorTextEdited(const QString& text) {
  // What Windows-1252 cannot hold becomes "?" at once, so positions stay one byte each.
  const QString held = Q(W(text));
  if (held == text) return;
  const int caret = editor_->cursorPosition();
  editor_->setText(held);
  editor_->setCursorPosition(std::min(caret, static_cast<int>(held.size())));
}

void MainWindow::OnEditorKeyReleased(int key) {
  if (!editing_) return;
  switch (key) {
    case Qt::Key_Delete: {
      EditorText before;
      before.text = W(editor_->text());
      before.caret = editor_->cursorPosition();
      before.selection_start = editor_->hasSelectedText() ? editor_->selectionStart() : 0;
      before.selection_length = editor_->hasSelectedText() ? editor_->selectionLength() : 0;
      const EditorText after = DeleteInEditor(before);
      editor_->setText(Q(after.text));
      editor_->setCursorPosition(after.caret);
      break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      FinishEditing(EditorKey::kEnter);
      break;
    case Qt::Key_Down:
      FinishEditing(EditorKey::kDown);
      break;
    case Qt::Key_Up:
      FinishEditing(EditorKey::kUp);
      break;
    default:
      break;
  }
}

void MainWindow::FinishEditing(EditorKey key) {
  const int target = EditorKeyTarget(doc_, key);
  if (target == 0) return;
  const int col = doc_.editor.column;
  CommitEditor();
  sheet_view_->setFocus();
  if (key != EditorKey::kEnter) {
    doc_.sheet.SetCurrent(col, target);
    RefreshViews();
  }
  PlaceEditorAt(col, target, true);
}

void MainWindow::CancelEditor() {
  if (!editing_) return;
  editing_ = false;
  const bool had_focus = editor_->hasFocus();
  editor_->hide();
  entry(TextId::kMenuClearLines)->setEnabled(true);
  if (had_focus) sheet_view_->setFocus();
  PlaceEditorAt(doc_.editor.column, doc_.editor.row, true);
}

void MainWindow::MoveEditorByTab(bool backward) {
  if (!editing_) return;
  const std::optional<EditorCell> target =
      TabTarget(doc_, doc_.editor.column, doc_.editor.row, backward);
  CommitEditor();
  if (!target) return;
  doc_.sheet.SetCurrent(target->col, target->row);
  RefreshViews();
  OpenEditor(nullptr);
  // As in a dialog's fields: what is typed replaces the text, an arrow key keeps it.
  editor_->selectAll();
}

void MainWindow::OnEditorFocusLost(Qt::FocusReason reason) {
  // Another window or a menu taking the focus is no reason to finish editing.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
      reason == Qt::MenuBarFocusReason) {
    return;
  }
  CommitEditor();
}

}  // namespace ravnelok::gui
