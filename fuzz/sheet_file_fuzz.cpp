// Any bytes as a sheet file: read, computed until its names are accepted, saved and read again,
// the sheet keeps its cells and decimals, and a second save writes the same bytes.

#include <unistd.h>

#include <cstdint>
#include <fstream>

#include "app/sheet_commands.h"
#include "files/sheet_file.h"
#include "fuzz_support.h"
#include "support/fake_ui.h"

namespace {

std::string Scratch(const char* name) {
  return "/tmp/ravnelok-fuzz-" + std::to_string(::getpid()) + "-" + name + ".rlk";
}

// Removes an input's two scratch files whichever way it returns, so that a replay in the suite
// leaves nothing behind in /tmp (a failed check aborts and leaves them for the finding).
struct ScratchFiles {
  const std::string& given;
  const std::string& saved;
  ~ScratchFiles() {
    ::unlink(given.c_str());
    ::unlink(saved.c_str());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  static const std::string given = Scratch("given");
  static const std::string saved = Scratch("saved");
  const ScratchFiles scratch{given, saved};
  {
    std::ofstream out(given, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
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
