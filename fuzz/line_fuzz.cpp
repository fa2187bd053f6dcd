// Lines of a small sheet: each input line is "name<TAB>expression", optionally followed by
// "<TAB>T" or "<TAB>*" marks. The pass must not crash, and a second pass and a fresh document
// must agree with it.

#include <cstdint>

#include "app/sheet_commands.h"
#include "fuzz_support.h"
#include "support/fake_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  if (size > 4096) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  Document doc;
  doc.rng.seed(1);  // the same draws on every run of an input
  doc.settings.angle_in_degrees = size % 2 == 0;
  doc.InitialiseGrid();
  doc.SetLineCount(16);
  fuzz::FillBaseLines(doc);
  int k = 6;
  for (size_t start = 0; start <= input.size() && k <= doc.LineCount(); ++k) {
    const size_t end = std::min(input.find('\n', start), input.size());
    const std::string line = input.substr(start, end - start);
    start = end + 1;
    const size_t tab = line.find('\t');
    const size_t tab2 = tab == std::string::npos ? tab : line.find('\t', tab + 1);
    doc.sheet.SetCell(Document::kName, k, line.substr(0, std::min(tab, line.size())));
    if (tab == std::string::npos) continue;
    doc.sheet.SetCell(Document::kExpression, k, line.substr(tab + 1, tab2 - tab - 1));
    if (tab2 == std::string::npos) continue;
    const std::string marks = line.substr(tab2 + 1);
    if (marks.find('T') != std::string::npos) doc.sheet.SetCell(Document::kTableMark, k, "T");
    if (marks.find('*') != std::string::npos) doc.sheet.SetCell(Document::kFixedMark, k, "*");
  }
  testing::FakeUi ui;
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  fuzz::PassUntilNamesAccepted(doc, ui, 0);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  fuzz::CheckAgainstFresh(doc, {});
  return 0;
}
