// Loading a sheet file: reading, checking, filling the grid and the recalculation that follows.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/calc_cli.h"
#include "app/sheet_commands.h"
#include "app/unattended_ui.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "sheet/recalc.h"

namespace ravnelok {
namespace {

using QuietUi = UnattendedUi;

std::string Name(int k) {
  std::string name = "v";
  name += std::to_string(k);
  return name;
}

// A chain: each line uses the name of the line above, with a unit and fixed decimals on some.
Document ChainSheet(int lines) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(lines);
  doc.sheet.SetCell(Document::kName, 1, "v1");
  doc.sheet.SetCell(Document::kExpression, 1, "1");
  for (int k = 2; k <= lines; ++k) {
    doc.sheet.SetCell(Document::kName, k, Name(k));
    doc.sheet.SetCell(Document::kExpression, k, Name(k - 1) + "*1.0001+" + std::to_string(k));
    doc.sheet.SetCell(Document::kUnit, k, "kr");
    if (k % 3 == 0) doc.records.SetDecimals(k, 2);
  }
  return doc;
}

std::string WriteSheetFile(int lines) {
  std::string dir = (std::filesystem::temp_directory_path() / "ravnelok-bench-XXXXXX").string();
  if (::mkdtemp(dir.data()) == nullptr) return "";
  const std::string path = dir + "/chain" + std::to_string(lines) + ".rlk";
  const std::string bytes = SheetFileBytes(ChainSheet(lines));
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  return path;
}

void BM_LoadSheet(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string path = WriteSheetFile(lines);
  Document doc;
  doc.InitialiseGrid();
  QuietUi ui;
  for (auto _ : state) {
    if (!LoadSheet(doc, ui, path)) state.SkipWithError("the sheet was refused");
  }
  if (doc.sheet.Cell(Document::kValue, lines).empty() || ui.messages != 0) {
    state.SkipWithError("the sheet did not compute");
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_LoadSheet)->Name("load")->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);

// The mode-0 recalculation that loading ends with, alone: load minus this is the file's share.
void BM_RecalculateLoaded(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string path = WriteSheetFile(lines);
  Document doc;
  doc.InitialiseGrid();
  QuietUi ui;
  if (!LoadSheet(doc, ui, path)) state.SkipWithError("the sheet was refused");
  for (auto _ : state) RecalculateSheet(doc, ui, RecalcMode::kFresh);
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_RecalculateLoaded)->Name("recalc_after_load")->Arg(999)->Unit(benchmark::kMicrosecond);

// Everything ravnelok-calc does inside the process: start-up, loading and writing the text.
void BM_CalcRun(benchmark::State& state) {
  const std::string path = WriteSheetFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string out, err;
    if (RunCalc({path}, out, err) != kCalcExitOk) state.SkipWithError("the run failed");
    benchmark::DoNotOptimize(out);
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_CalcRun)->Name("calc_run")->Arg(999)->Unit(benchmark::kMicrosecond);

void BM_SheetFileBytes(benchmark::State& state) {
  const Document doc = ChainSheet(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SheetFileBytes(doc));
}
BENCHMARK(BM_SheetFileBytes)->Name("file_bytes")->Arg(999)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravnelok
