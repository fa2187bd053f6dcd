// The desktop program's two felt timings: start-up to the first painted sheet, and one edited
// expression on a 999-line sheet to the repainted grid. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "gui/main_window.h"
#include "gui/sheet_view.h"

namespace {

using ravnelok::gui::MainWindow;

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// Handles events until the sheet grid has painted `after` times or more.
void WaitForPaint(const PaintCounter& counter, int after) {
  QElapsedTimer guard;
  guard.start();
  while (counter.paints < after && guard.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<MainWindow>();
    PaintCounter counter;
    window->resize(1280, 800);
    window->show();
    window->sheetView()->viewport()->installEventFilter(&counter);
    // The grid is initialised by a posted message: wait for its cells to be painted.
    while (window->document().sheet.Cell(2, 1).empty()) QCoreApplication::processEvents();
    WaitForPaint(counter, counter.paints + 1);
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    window->hide();
  }
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text) {
  QKeyEvent event(type, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &event);
}

void BM_EditExpressionOn999Lines(benchmark::State& state) {
  MainWindow window;
  window.resize(1280, 800);
  window.show();
  while (window.document().sheet.Cell(2, 1).empty()) QCoreApplication::processEvents();
  ravnelok::Document& doc = window.document();
  doc.SetLineCount(999);
  doc.sheet.SetCell(4, 1, "1");
  for (int k = 2; k <= 999; ++k) {
    doc.sheet.SetCell(4, k, "A" + std::to_string(k - 1) + "+sqr(" + std::to_string(k) + ")");
  }
  doc.sheet.SetCurrent(4, 1);
  window.RefreshViews();
  PaintCounter counter;
  window.sheetView()->viewport()->installEventFilter(&counter);
  QCoreApplication::processEvents();
  int digit = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    const int before = counter.paints;
    const QString typed = QString::number(digit++ % 9 + 1);
    SendKey(window.sheetView(), QEvent::KeyPress, Qt::Key_1, typed);
    SendKey(window.editor(), QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    SendKey(window.editor(), QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    WaitForPaint(counter, before + 1);
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    if (doc.sheet.Cell(4, 1) != typed.toStdString()) state.SkipWithError("the edit did not land");
  }
}
BENCHMARK(BM_EditExpressionOn999Lines)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
