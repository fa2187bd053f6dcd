#include "gui/sheet_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace ravnelok::gui {

SheetView::SheetView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setTabKeyNavigation(false);
  setShowGrid(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->viewport()->installEventFilter(this);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetView::scrolled);
}

void SheetView::CellAt(const QPoint& pos, int& col, int& row) const {
  const QModelIndex index = indexAt(pos);
  col = index.isValid() ? index.column() : -1;
  row = index.isValid() ? index.row() + 1 : -1;
}

void SheetView::mousePressEvent(QMouseEvent* event) {
  int col = -1;
  int row = -1;
  CellAt(event->position().toPoint(), col, row);
  bool handled = false;
  if (col >= 0) emit cellPressed(event->button(), col, row, &handled);
  if (!handled) QTableView::mousePressEvent(event);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit doubleClicked();
    event->accept();
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void SheetView::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (!text.isEmpty() && !control) {
    const QChar c = text.at(0);
    // Backspace empties the cell; Enter and the other control characters type nothing.
    if (event->key() == Qt::Key_Backspace || (c.unicode() >= 32 && c.unicode() != 127)) {
      bool handled = false;
      emit characterTyped(event->key() == Qt::Key_Backspace ? QStringLiteral("\b") : text,
                          &handled);
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const int col = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
      bool handled = false;
      if (col >= 0) emit cellPressed(mouse->button(), col, 0, &handled);
      return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) return true;
  }
  return QTableView::eventFilter(watched, event);
}

void SheetView::changeEvent(QEvent* event) {
  // The header row is row 0 of the grid: it takes the cells' font, which the platform's own
  // header font would otherwise replace.
  if (event->type() == QEvent::FontChange) horizontalHeader()->setFont(font());
  QTableView::changeEvent(event);
}

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  hide();
}

namespace {

bool IsEditorUndoKey(const QKeyEvent* event) {
  const QKeyCombination keys = event->keyCombination();
  return keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
         keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
         keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

bool CellEditor::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      IsEditorUndoKey(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      emit tabPressed(key == Qt::Key_Backtab);
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    emit escapePressed();
    return;
  }
  if (IsEditorUndoKey(event)) {
    event->accept();
    if (event->key() == Qt::Key_Z && !(event->modifiers() & Qt::ShiftModifier)) {
      undo();
    } else {
      redo();
    }
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void CellEditor::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  emit keyReleased(event->key());
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLost(event->reason());
}

}  // namespace ravnelok::gui
