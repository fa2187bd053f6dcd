// A save that fails part-way, wherever that is, leaves the old file as it was, says so (the disk
// was full) and leaves nothing behind.

#include <gtest/gtest.h>

#include <optional>
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

// Answers the save dialog with one file name.
class SavingUi : public testing::FakeUi {
 public:
  explicit SavingUi(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& initial) override {
    FakeUi::AskSaveFileName(title, initial);
    return path_;
  }

 private:
  std::string path_;
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
  ASSERT_GT(new_bytes.size(), std::size_t{20000});

  int failures = 0;
  for (std::size_t limit = 0; limit < new_bytes.size(); limit += 512) {
    SCOPED_TRACE(limit);
    FailAfter plan(limit);
    SavingUi ui(path);
    {
      ScopedWriteFaults faults(plan);
      SaveCommand(doc, ui);
    }
    ASSERT_EQ(plan.cut, 1);
    EXPECT_EQ(ui.MessagesUtf8(), std::vector<std::string>{"Forkert filtype"});
    EXPECT_EQ(testing::ReadBytes(path), old_bytes);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"ark.rlk"});
    ++failures;
  }
  EXPECT_EQ(failures, static_cast<int>((new_bytes.size() + 511) / 512));

  // The last byte cut off still fails; with all of them the file is replaced.
  for (const std::size_t limit : {new_bytes.size() - 1, new_bytes.size()}) {
    FailAfter plan(limit);
    SavingUi ui(path);
    {
      ScopedWriteFaults faults(plan);
      SaveCommand(doc, ui);
    }
    const bool complete = limit == new_bytes.size();
    EXPECT_EQ(plan.cut, complete ? 0 : 1);
    EXPECT_EQ(ui.messages.empty(), complete);
    EXPECT_EQ(testing::ReadBytes(path), complete ? new_bytes : old_bytes);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"ark.rlk"});
  }
}

}  // namespace
}  // namespace ravnelok
