// A save or a CSV export that fails part-way, wherever that is, leaves the old file as it was,
// says so and leaves nothing behind.

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/export_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/text_id.h"
#include "files/sheet_file.h"
#include "files/write_faults.h"
#include "output/csv_export.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// Lets the first `limit` bytes of the file through, and counts the files it cut short.
// The write fails with `error`.
class FailAfter : public WriteFaultPlan {
 public:
  explicit FailAfter(std::size_t limit, int error = ENOSPC) : limit_(limit), error_(error) {}
  std::size_t Allow(std::size_t size) override {
    if (limit_ < size) ++cut;
    return limit_;
  }
  int Error() const override { return error_; }
  int cut = 0;

 private:
  std::size_t limit_;
  int error_;
};

// The longest sheet, every line named and computed, and a table of 19 lines and 100 passes: tens
// of kilobytes each.
void FillLargeSheet(Document& doc) {
  doc.InitialiseGrid();
  doc.SetLineCount(999);
  for (int k = 1; k <= 999; ++k) {
    doc.sheet.SetCell(Document::kName, k, cp1252::FromUtf8("længde") + std::to_string(k));
    doc.sheet.SetCell(Document::kExpression, k,
                      k == 1 ? "1" : "A" + std::to_string(k - 1) + "*1,001+7");
    doc.sheet.SetCell(Document::kUnit, k, "m");
  }
  for (int k = 50; k <= 999; k += 50) doc.sheet.SetCell(Document::kTableMark, k, "T");
  testing::FakeUi ui;
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  for (int pass = 0; pass < 100; ++pass) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
}

// The sheet as saved, and the table as CSV.
TEST(SaveFaults, AFailureAtEvery512ByteOffsetKeepsTheOldFile) {
  testing::TempDir dir;
  Document doc;
  FillLargeSheet(doc);
  const std::string sheet = dir.File("ark.rlk"), csv = dir.File("tabel.csv");
  // The file, what it holds when written whole, the message of a cut, and the command.
  const std::tuple<std::string, std::string, std::string, void (*)(Document&, testing::FakeUi&)>
      writers[] = {
          {sheet, SheetFileBytes(doc),
           doc.texts[TextId::kWrongFileType] + '\n' + doc.texts[TextId::kSaveReasonDiskFull],
           [](Document& d, testing::FakeUi& ui) { SaveCommand(d, ui); }},
          {csv, TableCsv(doc), doc.texts[TextId::kFileNotWritten] + " " + csv,
           [](Document& d, testing::FakeUi& ui) { SaveTableCsvCommand(d, ui); }}};
  for (const auto& [path, new_bytes, message, command] : writers) {
    const std::string old_bytes = "the old file\r\n";
    testing::WriteBytes(path, old_bytes);
    // Every 512th offset, the last byte cut off, and at last all bytes written, which replaces it.
    std::vector<std::size_t> limits;
    for (std::size_t limit = 0; limit < new_bytes.size(); limit += 512) limits.push_back(limit);
    ASSERT_GE(limits.size(), std::size_t{40});
    limits.insert(limits.end(), {new_bytes.size() - 1, new_bytes.size()});
    for (const std::size_t limit : limits) {
      SCOPED_TRACE(path + " cut at " + std::to_string(limit));
      const bool complete = limit == new_bytes.size();
      FailAfter plan(limit);
      testing::FakeUi ui;
      ui.save_answers.push_back(path);
      ui.export_answers.push_back(path);
      {
        ScopedWriteFaults faults(plan);
        command(doc, ui);
      }
      EXPECT_EQ(plan.cut, complete ? 0 : 1);
      EXPECT_EQ(ui.messages, complete ? Texts{} : Texts{message});
      EXPECT_EQ(testing::ReadBytes(path), complete ? new_bytes : old_bytes);
    }
  }
  EXPECT_EQ(dir.Names(), (Texts{"ark.rlk", "tabel.csv"}));  // no temporary file left
  Document reloaded;  // the longest sheet reads back whole, decimals and all
  testing::FakeUi ui;
  ASSERT_TRUE(LoadSheet(reloaded, ui, sheet));
  EXPECT_EQ(SheetFileBytes(reloaded), SheetFileBytes(doc));
}

// The reason added to "Forkert filtype" for each error the system may give.
TEST(SaveFaults, TheMessageSaysWhyTheSaveFailed) {
  const std::pair<int, TextId> cases[] = {
      {ENOSPC, TextId::kSaveReasonDiskFull},    {EDQUOT, TextId::kSaveReasonDiskFull},
      {EFBIG, TextId::kSaveReasonDiskFull},     {EACCES, TextId::kSaveReasonNoPermission},
      {EPERM, TextId::kSaveReasonNoPermission}, {EROFS, TextId::kSaveReasonReadOnly},
      {ENOENT, TextId::kSaveReasonNoFolder},    {ENOTDIR, TextId::kSaveReasonNoFolder},
      {EIO, TextId::kSaveReasonOther},          {EINVAL, TextId::kSaveReasonOther}};
  testing::TempDir dir;
  Document doc;
  doc.InitialiseGrid();
  for (const auto& [error, reason] : cases) {
    SCOPED_TRACE(error);
    FailAfter plan(0, error);
    testing::FakeUi ui;
    ui.save_answers.push_back(dir.File("ark.rlk"));
    {
      ScopedWriteFaults faults(plan);
      SaveCommand(doc, ui);
    }
    EXPECT_EQ(ui.messages, Texts{doc.texts[TextId::kWrongFileType] + '\n' + doc.texts[reason]});
  }
  EXPECT_EQ(dir.Names(), Texts{});
}

}  // namespace
}  // namespace ravnelok
