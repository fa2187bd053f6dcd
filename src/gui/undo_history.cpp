#include "gui/undo_history.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace ravnelok::gui {

namespace {

class SheetChangeCommand : public QUndoCommand {
 public:
  SheetChangeCommand(SheetChange change, const UndoHistory::Apply& apply)
      : change_(std::move(change)), apply_(apply) {}
  void undo() override { apply_(change_, true); }
  void redo() override {
    // The stack does the command as it takes it; this one was done already.
    if (std::exchange(first_, false)) return;
    apply_(change_, false);
  }

 private:
  SheetChange change_;
  const UndoHistory::Apply& apply_;
  bool first_ = true;
};

}  // namespace

UndoHistory::UndoHistory(Apply apply, QMenu* menu, QObject* parent)
    : QObject(parent), apply_(std::move(apply)), menu_(menu), stack_(new QUndoStack(this)) {
  stack_->setUndoLimit(kSteps);
}

void UndoHistory::SetTexts(const QString& undo, const QString& redo) {
  // The texts are the prefixes: the commands have no text of their own.
  QAction* new_undo = stack_->createUndoAction(this, undo);
  QAction* new_redo = stack_->createRedoAction(this, redo);
  new_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  new_redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (QAction* action : {new_undo, new_redo}) action->setShortcutContext(Qt::WindowShortcut);
  if (undo_ == nullptr) {
    QAction* first = menu_->actions().value(0);
    menu_->insertActions(first, {new_undo, new_redo});
    menu_->insertSeparator(first);
  } else {
    menu_->insertAction(undo_, new_undo);
    menu_->insertAction(redo_, new_redo);
    for (QAction* old : {undo_, redo_}) {
      menu_->removeAction(old);
      old->deleteLater();
    }
  }
  undo_ = new_undo;
  redo_ = new_redo;
}

void UndoHistory::Push(SheetChange change) {
  stack_->push(new SheetChangeCommand(std::move(change), apply_));
}

void UndoHistory::Clear() {
  stack_->clear();
}

}  // namespace ravnelok::gui
