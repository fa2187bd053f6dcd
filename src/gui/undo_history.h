#pragma once

#include <QObject>
#include <functional>

#include "document/sheet_change.h"

class QAction;
class QMenu;
class QUndoStack;

namespace ravnelok::gui {

// The window's history of sheet changes, kept in Qt's own undo stack: one command per recorded
// change, the Fortryd/Gentag actions taken from the stack, so that their enabled state follows
// it. `apply` puts a change back (undo) or makes it again.
class UndoHistory : public QObject {
  Q_OBJECT
 public:
  using Apply = std::function<void(SheetChange& change, bool undo)>;
  // At least this many steps can be undone.
  static constexpr int kSteps = 1000;

  // The actions go at the top of `menu`.
  UndoHistory(Apply apply, QMenu* menu, QObject* parent);

  // The actions' texts (with their access keys): made anew, in the same place of the menu,
  // since the stack keeps the text it made them with.
  void SetTexts(const QString& undo, const QString& redo);

  // A change already made: it goes on the stack without being made again.
  void Push(SheetChange change);
  // A fresh history (a sheet was opened).
  void Clear();
  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }
  QUndoStack* Stack() const { return stack_; }

 private:
  Apply apply_;
  QMenu* menu_;
  QUndoStack* stack_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
};

}  // namespace ravnelok::gui
