// Any bytes as the UI text file, then a pass over a sheet whose names may be reserved words or
// invalid: no crash, and a fresh document with the same texts computes the same.

#include <cstdint>

#include "app/sheet_commands.h"
#include "fuzz_support.h"
#include "support/fake_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  FuzzedDataProvider input(data, size);
  // The names first, so that mutations of the texts keep them.
  const std::string names = input.ConsumeRandomLengthString(64);
  const std::string texts = input.ConsumeRemainingBytesAsString();
  Document doc;
  doc.rng.seed(1);  // the same draws on every run of an input
  doc.LoadTextsFromBytes(texts);
  doc.InitialiseGrid();
  doc.SetLineCount(12);
  fuzz::FillBaseLines(doc);
  int k = 6;
  for (size_t start = 0; start < names.size() && k < doc.LineCount(); k += 2) {
    const size_t end = std::min(names.find(' ', start), names.size());
    const std::string name = names.substr(start, end - start);
    start = end + 1;
    doc.sheet.SetCell(Document::kName, k, name);
    doc.sheet.SetCell(Document::kExpression, k, "a+" + std::to_string(k));
    doc.sheet.SetCell(Document::kExpression, k + 1, name + "*2");
  }
  for (int j = 1; j <= doc.LineCount(); ++j) doc.IsReservedWord(doc.sheet.Cell(Document::kName, j));
  testing::FakeUi ui;
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  fuzz::PassUntilNamesAccepted(doc, ui, 0);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  fuzz::CheckAgainstFresh(doc, texts);
  return 0;
}
