// Collecting, scaling and drawing an xy graph of 700 rows x 10 columns into the real graph
// bitmap through the QPainter canvas: what a recalculation with a live graph costs in pixels.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>
#include <string>

#include "app/unattended_ui.h"
#include "document/document.h"
#include "document/ui.h"
#include "full_table.h"
#include "graphics/axis.h"
#include "graphics/graph.h"
#include "graphics/graph_data.h"
#include "graphics/render.h"
#include "gui/graph_bitmap.h"

namespace {

using namespace ravnelok;

class BitmapUi : public UnattendedUi {
 public:
  Canvas* GraphCanvas() override { return bitmap.GetCanvas(); }
  // As the main window does: the drawing is finished before the area copies it.
  void GraphChanged() override { benchmark::DoNotOptimize(bitmap.Image().constBits()); }

  gui::GraphBitmap bitmap;
};

// The full table on the bitmap of a maximised window's graph area.
void FillTable(Document& doc, BitmapUi& ui, bool join) {
  FillFullTable(doc, join);
  doc.graph.bitmap_width = 1280;
  doc.graph.bitmap_height = 560;
  ui.bitmap.SetSize(doc.graph.bitmap_width, doc.graph.bitmap_height);
}

void BM_RefreshXyGraphIntoBitmap(benchmark::State& state) {
  Document doc;
  BitmapUi ui;
  FillTable(doc, ui, state.range(0) != 0);
  for (auto _ : state) RefreshGraph(doc, ui);
  if (ui.messages != 0 || !doc.settings.graph_shown) state.SkipWithError("graph refused");
}
BENCHMARK(BM_RefreshXyGraphIntoBitmap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DrawXyGraphIntoBitmap(benchmark::State& state) {
  Document doc;
  BitmapUi ui;
  FillTable(doc, ui, true);
  CollectTableBlock(doc, ui);
  ScaleXY(doc.graph.data, GraphKind::kTableXy, doc.graph.ranges);
  Canvas& canvas = *ui.bitmap.GetCanvas();
  for (auto _ : state) {
    BlankGraph(canvas, doc.graph.bitmap_width, doc.graph.bitmap_height);
    DrawGraph(doc, canvas, 1);
    benchmark::DoNotOptimize(ui.bitmap.Image().constBits());
  }
}
BENCHMARK(BM_DrawXyGraphIntoBitmap)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
