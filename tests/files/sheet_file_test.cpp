#include "files/sheet_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

const Texts kForkert = {"Forkert filtype"};

// radius marked "*", areal below it, line 3 empty.
const std::string kCells =
    "4\r\n*\r\nradius\r\n5\r\ncm\r\n \r\nareal\r\nPI*radius^2\r\ncm2\r\n \r\n\r\n\r\n\r\n";
const std::string kExampleFile = kCells + "-1\r\n-1\r\n-1\r\n";

// Lines as "mark|name|expression|unit".
const std::vector<int> kCols = {Document::kFixedMark, Document::kName, Document::kExpression,
                                Document::kUnit};
void Fill(Document& doc, const Texts& lines) {
  testing::FillRows(doc, lines, kCols);
}
Texts Lines(const Document& doc) {
  return testing::Rows(doc, kCols);
}

// Every cell and every line's decimals: what a refused load must leave alone.
Texts Snapshot(const Document& doc) {
  Texts s;
  for (int r = 0; r < doc.sheet.RowCount(); ++r) {
    for (int c = 0; c < doc.sheet.ColCount(); ++c) s.push_back(doc.sheet.Cell(c, r));
  }
  for (int k = 1; k <= kMaxLines; ++k) s.push_back(std::to_string(doc.records.Decimals(k)));
  return s;
}

const Texts kExample = {"*|radius|5|cm", " |areal|PI*radius^2|cm2", " |||"};

class SheetFileTest : public ::testing::Test {
 protected:
  // Loads `bytes` into `doc`; gives the messages shown.
  Texts Load(const std::string& bytes) {
    WriteBytes(dir.File("case.rlk"), bytes);
    FakeUi load_ui;
    loaded = LoadSheet(doc, load_ui, dir.File("case.rlk"));
    return load_ui.MessagesUtf8();
  }
  Document doc;
  FakeUi ui;
  testing::TempDir dir;
  bool loaded = false;
};

TEST_F(SheetFileTest, WritesCountCellsAndDecimalsWithCrLfAndLoadsWhatTheFileHolds) {
  Fill(doc, kExample);
  EXPECT_EQ(SheetFileBytes(doc), kExampleFile);
  Fill(doc, {"*|x|5|m\nkg"});  // a line feed would shift every later cell
  doc.records.SetDecimals(1, 7);
  EXPECT_EQ(SheetFileBytes(doc), "2\r\n*\r\nx\r\n5\r\nm kg\r\n7\r\n");
  // The decimals block is optional and takes only -1 to 7; the default decimals are 2 here.
  const std::tuple<std::string, Texts, std::vector<int>> cases[] = {
      {kExampleFile, kExample, {-1, -1, -1}},
      {kCells, kExample, {2, 2, 2}},
      {kCells + "5\r\n0", kExample, {5, 0, 2}},
      {kCells + "2.5\r\n\r\n 7 \r\n", kExample, {2, 2, 7}},
      {"4\r\n*\r\nradius\r\n5", {"*|radius|5|", " |||", " |||"}, {2, 2, 2}},
      {"  2 lines\r\n \r\nx\r\n1\r\n\r\n", {" |x|1|"}, {2}},
      {kCells + "8\r\n-2\r\n-1", kExample, {2, 2, -1}},
      {kCells + "+3\r\n+-1\r\n-0", kExample, {3, 2, 0}},
      {"2\r\n \r\na\r\n1\r\n\r\n3\r\nmore\r\nlines\r\n", {" |a|1|"}, {3}}};
  for (const auto& [bytes, lines, decimals] : cases) {
    SCOPED_TRACE(bytes);
    doc = Document{};
    doc.settings.default_decimals = 2;
    EXPECT_EQ(Load(bytes), Texts{});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Lines(doc), lines);
    for (int k = 1; k <= static_cast<int>(lines.size()) + 1; ++k) {
      EXPECT_EQ(doc.records.Decimals(k),
                k <= static_cast<int>(decimals.size()) ? decimals[k - 1] : 2);
    }
  }
}

// Every record is rebuilt, "T" marks are not kept, the cursor stays on the shorter sheet.
TEST_F(SheetFileTest, LoadingResetsLabelsMarksValuesAndTheViewRefusedFilesLeaveTheSheet) {
  Fill(doc, kExample);
  doc.SetLineCount(20);
  doc.sheet.SetCell(Document::kTableMark, 1, "T");
  doc.sheet.SetCurrent(4, 18);
  doc.settings.view_mode = ViewMode::kSheetTableAndGraph;
  doc.records.SetDecimals(500, 6);
  EXPECT_EQ(Load("11\r\n*\r\nx\r\n1\r\n\r\n"), Texts{});
  EXPECT_EQ(std::pair(doc.sheet.RowCount(), doc.settings.view_mode),
            std::pair(11, ViewMode::kSheet));
  EXPECT_LT(doc.sheet.CurrentRow(), 11);
  EXPECT_EQ(doc.records.Decimals(500), -1);
  EXPECT_EQ(doc.sheet.Cell(Document::kLabel, 10) + doc.sheet.Cell(Document::kTableMark, 1), "A10 ");
  WriteBytes(dir.File("x\\y.rlk"), kExampleFile);  // the save dialog offers what follows "\"
  EXPECT_TRUE(LoadSheet(doc, ui, dir.File("x\\y.rlk")));
  EXPECT_EQ(doc.settings.file_name, "y.rlk");
  // clang-format off
  const std::string cases[] = {
      "0\r\n", "1001\r\n", "99999999999999999999999\r\n", "abc\r\n \r\nx\r\n1\r\n\r\n", "4abc\r\n",
      "2\r\n \r\nx\r\n" + std::string(kMaxSheetFileBytes, '7')};
  // clang-format on
  Fill(doc, kExample);
  doc.records.SetDecimals(2, 4);
  const Texts before = Snapshot(doc);
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes.substr(0, 30));
    EXPECT_EQ(Load(bytes), kForkert);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(Snapshot(doc), before);
  }
  // Just within the cap a long line is loaded whole.
  EXPECT_EQ(Load("2\r\n \r\nx\r\n" + std::string(kMaxSheetFileBytes - 100, '7') + "\r\nm\r\n"),
            Texts{});
  EXPECT_EQ(doc.sheet.Cell(Document::kExpression, 1).size(), kMaxSheetFileBytes - 100);
  EXPECT_EQ(doc.sheet.Cell(Document::kUnit, 1), "m");
}

// Lowers the file size limit of this process while alive, so that a write stops part-way with
// EFBIG, exactly as a full disk would stop it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing the process
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

TEST_F(SheetFileTest, FailedSavesLeaveEverythingAsItWas) {
  const std::string old_bytes = "2\r\n*\r\nx\r\n1\r\n\r\n";
  WriteBytes(dir.File("upper.RLK"), old_bytes);
  WriteBytes(dir.File("kasse.rlk"), old_bytes);
  std::filesystem::create_directory(dir.File("folder.rlk"));
  std::filesystem::create_symlink("loop.rlk", dir.File("loop.rlk"));
  const Texts names = dir.Names();
  Texts big;
  for (int k = 1; k <= 300; ++k)
    big.push_back(" |v" + std::to_string(k) + "|" + std::to_string(k) + "*2|");
  Fill(doc, big);  // several kilobytes
  // The path, the room on the disk, and the second line of the message, which says why.
  constexpr rlim_t kRoom = rlim_t{1} << 30;
  const std::tuple<std::string, rlim_t, const char*> cases[] = {
      {dir.File("kasse.rlk"), 1000, "\nDisken er fuld."},  // the disk fills part-way
      {dir.File("upper.RLK"), kRoom, ""},                  // refused name: nothing written
      {dir.File("no such dir/a.rlk"), kRoom, "\nMappen findes ikke."},         // cannot create it
      {dir.File("folder.rlk"), kRoom, "\nSystemet kunne ikke skrive filen."},  // a directory
      {dir.File("loop.rlk"), kRoom, "\nSystemet kunne ikke skrive filen."},    // names no file
  };
  for (const auto& [path, room, reason] : cases) {
    SCOPED_TRACE(path);
    FakeUi save_ui;
    {
      FileSizeLimit limit(room);
      EXPECT_FALSE(SaveSheet(doc, save_ui, path));
    }
    EXPECT_EQ(save_ui.MessagesUtf8(), Texts{"Forkert filtype" + std::string(reason)});
    EXPECT_EQ(dir.Names(), names);  // no temporary file left
    EXPECT_EQ(ReadBytes(dir.File("kasse.rlk")), old_bytes);
    EXPECT_EQ(ReadBytes(dir.File("upper.RLK")), old_bytes);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.rlk")));
  }
}

// The file is replaced, also through a link, and keeps its permissions.
TEST_F(SheetFileTest, SavingReplacesTheFileOrTheTargetOfALink) {
  std::filesystem::create_directory(dir.File("real"));
  WriteBytes(dir.File("real/ark.rlk"), std::string(100000, 'x'));  // nothing may be left over
  ::chmod(dir.File("real/ark.rlk").c_str(), 0640);
  std::filesystem::create_symlink("real/ark.rlk", dir.File("link.rlk"));  // relative to the link
  std::filesystem::create_symlink("link.rlk", dir.File("chain.rlk"));
  std::filesystem::create_symlink("real/new.rlk", dir.File("dangling.rlk"));
  Fill(doc, kExample);
  for (const char* name : {"real/ark.rlk", "link.rlk", "chain.rlk", "dangling.rlk"}) {
    ASSERT_TRUE(SaveSheet(doc, ui, dir.File(name))) << name;
    EXPECT_EQ(std::filesystem::is_symlink(dir.File(name)), *name != 'r') << name;
  }
  EXPECT_EQ(ReadBytes(dir.File("real/ark.rlk")), kExampleFile);
  EXPECT_EQ(ReadBytes(dir.File("real/new.rlk")), kExampleFile);
  EXPECT_EQ(std::filesystem::status(dir.File("real/ark.rlk")).permissions(),
            std::filesystem::perms(0640));
  EXPECT_EQ(dir.Names(), (Texts{"chain.rlk", "dangling.rlk", "link.rlk", "real"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("real")), {}), 2);
}

TEST_F(SheetFileTest, RefusedNamesAreOfferedByTheNextSave) {
  WriteBytes(dir.File("data.txt"), kExampleFile);
  for (const auto& path : {dir.File("data.txt"), dir.File("missing.rlk"), dir.path().string()}) {
    FakeUi refused_ui;
    EXPECT_FALSE(LoadSheet(doc, refused_ui, path));
    EXPECT_EQ(refused_ui.MessagesUtf8(), kForkert);
    SaveCommand(doc, refused_ui);
    EXPECT_EQ(refused_ui.save_initials, Texts{path});
  }
}

}  // namespace
}  // namespace ravnelok
