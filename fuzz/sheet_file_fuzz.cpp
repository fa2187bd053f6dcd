// Any bytes as a sheet file: read, computed until its names are accepted, saved and read again,
// the sheet keeps its cells and decimals, and a second save writes the same bytes.

#include <cstdint>
#include <string_view>

#include "app/sheet_commands.h"
#include "files/sheet_file.h"
#include "fuzz_support.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  // One folder for the whole run, under TMPDIR if set; it goes at a normal exit and stays
  // after a failed check, which aborts, beside the finding.
  static const testing::TempDir scratch;
  static const std::string given = scratch.File("given.rlk");
  static const std::string saved = scratch.File("saved.rlk");
  testing::WriteBytes(given, std::string_view(reinterpret_cast<const char*>(data), size));
  Document doc;
  doc.rng.seed(1);  // the same draws on every run of an input
  doc.InitialiseGrid();
  testing::FakeUi ui;
  if (!LoadSheet(doc, ui, given)) return 0;
  // Its passes empty one refused name each; the saved file then holds only accepted ones.
  fuzz::PassUntilNamesAccepted(doc, ui, 0);
  const size_t messages = ui.messages.size();
  if (!SaveSheet(doc, ui, saved)) {
    // Refused only while a cell holds a character of a UTF-8 file that Windows-1252 cannot.
    fuzz::Check(ui.messages.size() == messages + 1 &&
                    ui.messages.back().starts_with(doc.texts[TextId::kCannotSaveCharacter]),
                "a loaded sheet does not save");
    return 0;
  }
  Document again;
  again.InitialiseGrid();
  fuzz::Check(LoadSheet(again, ui, saved), "a saved sheet does not load");
  fuzz::Check(again.LineCount() == doc.LineCount(), "the line count changed");
  for (int k = 1; k <= doc.LineCount(); ++k) {
    for (const int col : {Document::kTableMark, Document::kFixedMark, Document::kName,
                          Document::kExpression, Document::kUnit, Document::kValue}) {
      fuzz::Check(again.sheet.Cell(col, k) == doc.sheet.Cell(col, k),
                  "line " + std::to_string(k) + " column " + std::to_string(col) + " changed");
    }
    fuzz::Check(again.records.Decimals(k) == doc.records.Decimals(k),
                "line " + std::to_string(k) + " decimals changed");
  }
  fuzz::Check(SheetFileBytes(again) == SheetFileBytes(doc), "a second save writes other bytes");
  fuzz::CheckAgainstFresh(doc, {});
  return 0;
}
