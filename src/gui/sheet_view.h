#pragma once

#include <QLineEdit>
#include <QTableView>

namespace ravnelok::gui {

// A grid view whose presses, double-clicks and typed characters go to the main window, which
// turns them into commands. Row 0 of the grid is the horizontal header.
class SheetView : public QTableView {
  Q_OBJECT
 public:
  explicit SheetView(QWidget* parent = nullptr);

  // The grid's cell (col, row), or (-1, -1), under a point of the viewport.
  void CellAt(const QPoint& pos, int& col, int& row) const;

 signals:
  // Every mouse press: header presses come with row 0. `handled` set true stops the view's
  // own handling (selection, current cell).
  void cellPressed(Qt::MouseButton button, int col, int row, bool* handled);
  void doubleClicked();
  // A character typed while the grid has the focus (Windows-1252 text, one character), or
  // Backspace as "\b".
  void characterTyped(const QString& text, bool* handled);
  void scrolled();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
};

// The borderless in-place editor. Del is done by the program on the key's release (see
// DeleteInEditor), so the line edit must not delete on the press itself.
class CellEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit CellEditor(QWidget* parent = nullptr);

 signals:
  void keyReleased(int key);
  void focusLost(Qt::FocusReason reason);
  void escapePressed();
  void tabPressed(bool backward);

 protected:
  // Tab and Shift+Tab stay with the editor rather than moving the focus; the undo and redo
  // keys undo its own typing rather than the window's last change.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace ravnelok::gui
