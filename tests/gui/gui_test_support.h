#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/main_window.h"
#include "gui/sheet_view.h"

namespace ravnelok::gui::testing {

// A main window started as the program starts it, in a working folder of its own (so that no
// ravnmenu.txt of the developer's is read), with its posted start-up messages handled.
class Started {
 public:
  explicit Started(const QByteArray& menu_file = {}, std::vector<std::string> args = {}) {
    old_dir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    if (!menu_file.isEmpty()) {
      QFile file(dir_.filePath(QStringLiteral("ravnmenu.txt")));
      if (file.open(QIODevice::WriteOnly)) file.write(menu_file);
    }
    window_ = std::make_unique<MainWindow>(std::move(args));
    window_->resize(1000, 700);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("main window not active");
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  ~Started() {
    window_->hide();
    window_.reset();
    QDir::setCurrent(old_dir_);
  }
  MainWindow& w() { return *window_; }
  Document& doc() { return window_->document(); }
  std::string Cell(int col, int row) { return doc().sheet.Cell(col, row); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

  // The client area becomes width x height.
  void SetClientSize(int width, int height) {
    const QSize frame = window_->size() - window_->client()->size();
    window_->resize(QSize(width, height) + frame);
    QCoreApplication::processEvents();
  }

 private:
  QTemporaryDir dir_;
  QString old_dir_;
  std::unique_ptr<MainWindow> window_;
};

// Closes every modal dialog that `dialog` opens on top of itself while it is shown (a file dialog's
// accept may ask "not found" or "replace it?" inside itself, where the test's own handler, still
// running, cannot answer), and says which. When `dialog` is still shown after such a box, or a
// second after `act` without one, `act` runs on it again (a file dialog refuses while it is still
// scanning its folder); after a few tries the dialog is rejected, so that the test fails instead
// of waiting for ever.
template <typename T>
void GuardNested(QPointer<T> dialog, std::function<void(T*)> act) {
  // A child of the dialog, so that it goes with it however the test ends.
  auto* guard = new QTimer(dialog.data());
  auto nested = std::make_shared<int>(0);
  auto ticks = std::make_shared<int>(0);
  guard->setInterval(20);
  QObject::connect(guard, &QTimer::timeout, [guard, dialog, act, nested, ticks] {
    if (!dialog || !dialog->isVisible() || ++*ticks > 1500) {
      guard->stop();
      guard->deleteLater();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    bool inside = false;
    for (QWidget* p = modal ? modal->parentWidget() : nullptr; p; p = p->parentWidget()) {
      inside = inside || p == dialog.data();
    }
    if (inside) {
      const auto* box = qobject_cast<QMessageBox*>(modal);
      qWarning("closing a dialog nested in %s: %s %s", dialog->metaObject()->className(),
               modal->metaObject()->className(), box ? qPrintable(box->text()) : "");
      if (auto* d = qobject_cast<QDialog*>(modal))
        d->reject();
      else
        modal->close();
      ++*nested;
    } else if (modal == dialog.data() && (*nested > 0 || *ticks % 50 == 0)) {
      // Rejected after five tries or five seconds.
      (*nested > 5 || *ticks > 250) ? dialog->reject() : act(dialog.data());
    }
  });
  guard->start();
}

// Runs `act` on the next modal dialog of type T as soon as it is shown (the test itself is
// then blocked in the dialog's exec). Gives up after about five seconds.
template <typename T>
void OnModal(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      GuardNested<T>(QPointer<T>(dialog), act);
      act(dialog);
    } else if (++*tries > 500) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

// Answers a file dialog with `path`. The name field ignores selectFile while it has the focus,
// which it takes as soon as the dialog is active: the field gives the focus up first.
inline void ChooseFile(QFileDialog* dialog, const QString& path) {
  if (auto* f = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) f->clearFocus();
  dialog->selectFile(path);
  QMetaObject::invokeMethod(dialog, "accept");
}

// Clicks a sheet cell (row 0 is the header).
inline void ClickCell(MainWindow& w, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
  SheetView* view = w.sheetView();
  if (row == 0) {
    QHeaderView* header = view->horizontalHeader();
    const int x = header->sectionViewportPosition(col) + header->sectionSize(col) / 2;
    QTest::mouseClick(header->viewport(), button, {}, QPoint(x, header->height() / 2));
  } else {
    view->scrollTo(view->model()->index(row - 1, col));
    QTest::mouseClick(view->viewport(), button, {}, w.SheetCellCentre(col, row));
  }
}

// Types `text` on the current sheet cell: the first character opens the editor, the others go
// into it; `end_key` (for example Enter) finishes.
inline void TypeIntoCell(MainWindow& w, const char* text, int end_key = Qt::Key_Return) {
  const QString s = QString::fromUtf8(text);
  QTest::keyClicks(w.sheetView(), s.left(1));
  if (s.size() > 1) QTest::keyClicks(w.editor(), s.mid(1));
  if (end_key != 0) QTest::keyClick(w.editor(), static_cast<Qt::Key>(end_key));
}

inline void EnterCell(MainWindow& w, int col, int row, const char* text) {
  ClickCell(w, col, row);
  TypeIntoCell(w, text);
}

// A short-cut key; short-cuts act in the active window, which a closed dialog may have taken.
inline void Key(MainWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.sheetView(), key, modifiers);
  QCoreApplication::processEvents();
}

// Records and closes every message box, so that an unexpected message fails a test instead of
// blocking it.
class MessageWatch : public QObject {
 public:
  MessageWatch() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        box->accept();
      }
    });
    timer_.start();
  }
  QStringList texts;

 private:
  QTimer timer_;
};

// "&Udskriv" into an A4 PDF file, the print dialog and the name box answered.
inline void PrintToPdf(MainWindow& w, const QString& pdf, const QString& name) {
  w.printer()->setOutputFormat(QPrinter::PdfFormat);
  w.printer()->setOutputFileName(pdf);
  w.printer()->setPageSize(QPageSize(QPageSize::A4));
  OnModal<QPrintDialog>([name](QPrintDialog* dialog) {
    OnModal<QInputDialog>([name](QInputDialog* box) {
      box->setTextValue(name);
      box->accept();
    });
    dialog->accept();
  });
  w.entry(TextId::kMenuPrint)->trigger();
}

}  // namespace ravnelok::gui::testing
