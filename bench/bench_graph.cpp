// Collecting, scaling and drawing an xy graph of 700 rows x 10 columns onto a canvas that
// draws nothing: the cost of a graph refresh after each recalculation, without the pixels.
#include <benchmark/benchmark.h>

#include <string>

#include "app/unattended_ui.h"
#include "document/document.h"
#include "full_table.h"
#include "graphics/axis.h"
#include "graphics/canvas.h"
#include "graphics/graph.h"
#include "graphics/graph_data.h"
#include "graphics/render.h"

namespace {

using namespace ravnelok;

class NullCanvas : public Canvas {
 public:
  void Rectangle(int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Polyline(const std::vector<Point>&) override {}
  void TextOut(int, int, const std::string& text) override { benchmark::DoNotOptimize(text); }
  int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) override { return 8; }

 protected:
  void DrawLine(Point, Point) override {}
};

class BenchUi : public UnattendedUi {
 public:
  Canvas* GraphCanvas() override { return &canvas; }

  NullCanvas canvas;
};

void FillTable(Document& doc) {
  FillFullTable(doc, true);
}

void BM_RefreshXyGraph700x10(benchmark::State& state) {
  Document doc;
  BenchUi ui;
  FillTable(doc);
  for (auto _ : state) {
    RefreshGraph(doc, ui);
    benchmark::DoNotOptimize(doc.graph.ranges);
  }
  if (ui.messages != 0 || !doc.settings.graph_shown) state.SkipWithError("graph refused");
}
BENCHMARK(BM_RefreshXyGraph700x10)->Unit(benchmark::kMicrosecond);

void BM_DrawXyGraph700x10(benchmark::State& state) {
  Document doc;
  BenchUi ui;
  FillTable(doc);
  CollectTableBlock(doc, ui);
  ScaleXY(doc.graph.data, GraphKind::kTableXy, doc.graph.ranges);
  for (auto _ : state) DrawGraph(doc, ui.canvas, 1);
}
BENCHMARK(BM_DrawXyGraph700x10)->Unit(benchmark::kMicrosecond);

}  // namespace
