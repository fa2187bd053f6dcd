// Sheet files that are damaged, huge or cannot be written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/document.h"
#include "files/sheet_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::vector<std::string> kForkert = {"Forkert filtype"};

Document SheetOfLines(int lines) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(lines);
  for (int k = 1; k <= lines; ++k) {
    doc.sheet.SetCell(Document::kName, k, "v" + std::to_string(k));
    doc.sheet.SetCell(Document::kExpression, k, std::to_string(k) + "*2");
  }
  return doc;
}

// Lowers the file size limit of this process while alive, so that a write stops part-way with
// EFBIG, exactly as a full disk would stop it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

TEST(SheetFileRobustness, ASaveThatFailsHalfWayLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir.File("kasse.rlk");
  const std::string old_bytes = "2\r\n \r\nold\r\n1\r\n\r\n-1\r\n";
  WriteBytes(path, old_bytes);
  Document doc = SheetOfLines(300);  // several kilobytes
  FakeUi ui;
  bool saved = true;
  {
    FileSizeLimit limit(1000);
    saved = SaveSheet(doc, ui, path);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(ui.MessagesUtf8(), kForkert);
  EXPECT_EQ(ReadBytes(path), old_bytes);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"kasse.rlk"});  // no temporary file left
}

TEST(SheetFileRobustness, FailedSavesLeaveEverythingAsItWas) {
  TempDir dir;
  const std::string old_bytes = "2\r\n*\r\nx\r\n1\r\n\r\n";
  WriteBytes(dir.File("upper.RLK"), old_bytes);
  std::filesystem::create_directory(dir.File("folder.rlk"));
  const std::string cases[] = {
      dir.File("upper.RLK"),          // refused name, before anything is created
      dir.File("no such dir/a.rlk"),  // cannot create the file
      dir.File("folder.rlk"),         // a directory cannot be replaced
  };
  Document doc = SheetOfLines(3);
  for (const auto& path : cases) {
    SCOPED_TRACE(path);
    FakeUi ui;
    EXPECT_FALSE(SaveSheet(doc, ui, path));
    EXPECT_EQ(ui.MessagesUtf8(), kForkert);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.rlk", "upper.RLK"}));
    EXPECT_EQ(ReadBytes(dir.File("upper.RLK")), old_bytes);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.rlk")));
  }
  EXPECT_EQ(doc.settings.file_name, dir.File("folder.rlk"));
}

TEST(SheetFileRobustness, SavingReplacesTheFileAndKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.File("ark.rlk");
  WriteBytes(path, std::string(100000, 'x'));
  ::chmod(path.c_str(), 0640);
  Document doc = SheetOfLines(2);
  FakeUi ui;
  ASSERT_TRUE(SaveSheet(doc, ui, path));
  EXPECT_EQ(ReadBytes(path), SheetFileBytes(doc));  // shorter than before: nothing left over
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"ark.rlk"});
}

TEST(SheetFileRobustness, AHundredMegabyteLineIsRefusedWithoutReadingIt) {
  TempDir dir;
  const std::string path = dir.File("stor.rlk");
  {
    std::ofstream out(path, std::ios::binary);
    out << "2\r\n \r\nx\r\n";
    const std::string chunk(1 << 20, '1');
    for (int i = 0; i < 100; ++i) out << chunk;
    out << "\r\n\r\n";
  }
  Document doc = SheetOfLines(5);
  FakeUi ui;
  EXPECT_FALSE(LoadSheet(doc, ui, path));
  EXPECT_EQ(ui.MessagesUtf8(), kForkert);
  EXPECT_EQ(doc.sheet.RowCount(), 6);
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 1), "v1");
}

TEST(SheetFileRobustness, ALongLineWithinTheCapIsLoadedWhole) {
  TempDir dir;
  const std::string path = dir.File("lang.rlk");
  const std::string expression(kMaxSheetFileBytes - 100, '7');
  WriteBytes(path, "2\r\n \r\nx\r\n" + expression + "\r\nm\r\n");
  Document doc;
  FakeUi ui;
  ASSERT_TRUE(LoadSheet(doc, ui, path));
  EXPECT_EQ(doc.sheet.Cell(Document::kExpression, 1).size(), expression.size());
  EXPECT_EQ(doc.sheet.Cell(Document::kUnit, 1), "m");

  // One byte over the cap is refused.
  WriteBytes(path, "2\r\n \r\nx\r\n" + std::string(kMaxSheetFileBytes, '7'));
  FakeUi refused_ui;
  EXPECT_FALSE(LoadSheet(doc, refused_ui, path));
  EXPECT_EQ(refused_ui.MessagesUtf8(), kForkert);
}

TEST(SheetFileRobustness, ArbitraryBytesAreRefusedOrLoadedWithinTheLimits) {
  TempDir dir;
  const std::string path = dir.File("tilfaeldig.rlk");
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> size(0, 3000);
  int loaded = 0;
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    // Half the files start with a plausible count so that the reader gets past the first line.
    if (round % 2 == 0) bytes = std::to_string(round * 7 % 1100 - 20) + "\r\n";
    const int n = size(rng);
    for (int i = 0; i < n; ++i) {
      const int b = byte(rng);
      bytes.push_back(static_cast<char>(b < 24 ? '\n' : b));  // plenty of line ends
    }
    WriteBytes(path, bytes);
    Document doc;
    doc.InitialiseGrid();
    FakeUi ui;
    if (LoadSheet(doc, ui, path)) {
      ++loaded;
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_GE(doc.sheet.RowCount(), 2);
      EXPECT_LE(doc.sheet.RowCount(), kMaxLines + 1);
      for (int k = 1; k <= kMaxLines; ++k) {
        const int d = doc.records.Decimals(k);
        EXPECT_TRUE(d >= -1 && d <= 7) << d;
      }
      const std::string mark = doc.sheet.Cell(Document::kFixedMark, 1);
      EXPECT_TRUE(mark == " " || mark == "*");
    } else {
      EXPECT_EQ(ui.MessagesUtf8(), kForkert);
      EXPECT_EQ(doc.sheet.RowCount(), 200);
    }
  }
  EXPECT_GT(loaded, 50);  // the plausible counts from 2 to 1000 do load
}

TEST(SheetFileRobustness, TheLargestSheetLoadsAndTheNextCountDoesNot) {
  TempDir dir;
  Document big = SheetOfLines(kMaxLines);
  FakeUi ui;
  const std::string path = dir.File("stor.rlk");
  ASSERT_TRUE(SaveSheet(big, ui, path));
  Document doc;
  ASSERT_TRUE(LoadSheet(doc, ui, path));
  EXPECT_EQ(doc.sheet.RowCount(), 1000);
  EXPECT_EQ(doc.sheet.Cell(Document::kLabel, 999), "A999");
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 999), "v999");
  EXPECT_EQ(SheetFileBytes(doc), ReadBytes(path));

  std::string bytes = ReadBytes(path);
  bytes.replace(0, 4, "1001");
  WriteBytes(path, bytes);
  EXPECT_FALSE(LoadSheet(doc, ui, path));
  EXPECT_EQ(ui.MessagesUtf8(), kForkert);
}

}  // namespace
}  // namespace ravnelok
