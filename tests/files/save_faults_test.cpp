// A save that fails part-way, wherever that is, leaves the old file as it was, says so (the disk
// was full) and leaves nothing behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/text_id.h"
#include "files/sheet_file.h"
#include "files/write_faults.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// Lets the first `limit` bytes of the file through, and counts the files it cut short.
class FailAfter : public WriteFaultPlan {
 public:
  explicit FailAfter(std::size_t limit) : limit_(limit) {}
  std::size_t Allow(std::size_t size) override {
    if (limit_ < size) ++cut;
    return limit_;
  }
  int cut = 0;

 private:
  std::size_t limit_;
};

// The longest sheet, every line named and computed: tens of kilobytes.
void FillLargeSheet(Document& doc) {
  doc.InitialiseGrid();
  doc.SetLineCount(999);
  for (int k = 1; k <= 999; ++k) {
    doc.sheet.SetCell(Document::kName, k, cp1252::FromUtf8("længde") + std::to_string(k));
    doc.sheet.SetCell(Document::kExpression, k,
                      k == 1 ? "1" : "A" + std::to_string(k - 1) + "*1,001+7");
    doc.sheet.SetCell(Document::kUnit, k, "m");
  }
  testing::FakeUi ui;
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
}

TEST(SaveFaults, AFailureAtEvery512ByteOffsetKeepsTheOldFile) {
  testing::TempDir dir;
  const std::string path = dir.File("ark.rlk");
  const std::string old_bytes = "the old sheet\r\n";
  testing::WriteBytes(path, old_bytes);
  Document doc;
  FillLargeSheet(doc);
  const std::string new_bytes = SheetFileBytes(doc);
  const std::string full_disk =
      doc.texts[TextId::kWrongFileType] + '\n' + doc.texts[TextId::kSaveReasonDiskFull];

  // Every 512th offset, the last byte cut off, and at last all bytes written, which replaces it.
  std::vector<std::size_t> limits;
  for (std::size_t limit = 0; limit < new_bytes.size(); limit += 512) limits.push_back(limit);
  ASSERT_GE(limits.size(), std::size_t{40});
  limits.insert(limits.end(), {new_bytes.size() - 1, new_bytes.size()});
  for (const std::size_t limit : limits) {
    SCOPED_TRACE(limit);
    const bool complete = limit == new_bytes.size();
    FailAfter plan(limit);
    testing::FakeUi ui;
    ui.save_answers.push_back(path);
    {
      ScopedWriteFaults faults(plan);
      SaveCommand(doc, ui);
    }
    EXPECT_EQ(plan.cut, complete ? 0 : 1);
    EXPECT_EQ(ui.messages, complete ? Texts{} : Texts{full_disk});
    EXPECT_EQ(testing::ReadBytes(path), complete ? new_bytes : old_bytes);
    EXPECT_EQ(dir.Names(), Texts{"ark.rlk"});
  }
}

}  // namespace
}  // namespace ravnelok
