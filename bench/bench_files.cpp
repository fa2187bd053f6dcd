// Loading a sheet file: reading, checking, filling the grid and the recalculation that follows.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/document.h"
#include "app/ui.h"
#include "files/sheet_file.h"

namespace ravnelok {
namespace {

class QuietUi : public Ui {
 public:
  void ShowMessage(const std::string&) override { ++messages; }
  bool Confirm(const std::string&, const std::string&, const std::string&,
               const std::string&) override {
    return false;
  }
  bool RunDecimalsDialog(DecimalsDialog&) override { return false; }
  bool RunStartValuesDialog(StartValuesDialog&) override { return false; }
  bool RunTextInputDialog(TextInputDialog&) override { return false; }
  bool RunAngleDialog(AngleDialog&) override { return false; }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  int messages = 0;
};

// A chain: each line uses the name of the line above, with a unit and fixed decimals on some.
Document ChainSheet(int lines) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(lines);
  doc.sheet.SetCell(Document::kName, 1, "v1");
  doc.sheet.SetCell(Document::kExpression, 1, "1");
  for (int k = 2; k <= lines; ++k) {
    doc.sheet.SetCell(Document::kName, k, "v" + std::to_string(k));
    doc.sheet.SetCell(Document::kExpression, k,
                      "v" + std::to_string(k - 1) + "*1.0001+" + std::to_string(k));
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

void BM_SheetFileBytes(benchmark::State& state) {
  const Document doc = ChainSheet(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SheetFileBytes(doc));
}
BENCHMARK(BM_SheetFileBytes)->Name("file_bytes")->Arg(999)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravnelok
