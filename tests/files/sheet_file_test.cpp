#include "files/sheet_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/document.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const char kForkert[] = "Forkert filtype";

// The three-line sheet used throughout: radius marked "*", areal below it, line 3 empty.
const std::string kExampleFile =
    "4\r\n"
    "*\r\nradius\r\n5\r\ncm\r\n"
    " \r\nareal\r\nPI*radius^2\r\ncm2\r\n"
    " \r\n\r\n\r\n\r\n"
    "-1\r\n-1\r\n-1\r\n";

void FillExample(Document& doc) {
  doc.SetLineCount(3);
  doc.sheet.SetCell(Document::kFixedMark, 1, "*");
  doc.sheet.SetCell(Document::kName, 1, "radius");
  doc.sheet.SetCell(Document::kExpression, 1, "5");
  doc.sheet.SetCell(Document::kUnit, 1, "cm");
  doc.sheet.SetCell(Document::kName, 2, "areal");
  doc.sheet.SetCell(Document::kExpression, 2, "PI*radius^2");
  doc.sheet.SetCell(Document::kUnit, 2, "cm2");
}

// Everything a refused load must leave alone.
struct Snapshot {
  std::vector<std::string> cells;
  std::vector<int> decimals;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Document& doc) {
  Snapshot s;
  for (int r = 0; r < doc.sheet.RowCount(); ++r) {
    for (int c = 0; c < doc.sheet.ColCount(); ++c) s.cells.push_back(doc.sheet.Cell(c, r));
  }
  for (int k = 1; k <= kMaxLines; ++k) s.decimals.push_back(doc.records.Decimals(k));
  return s;
}

class SheetFileTest : public ::testing::Test {
 protected:
  SheetFileTest() { doc.InitialiseGrid(); }
  // Lines 1..n as (mark, name, expression, unit).
  std::vector<std::vector<std::string>> Lines() const {
    std::vector<std::vector<std::string>> lines;
    for (int k = 1; k < doc.sheet.RowCount(); ++k) {
      lines.push_back(
          {doc.sheet.Cell(1, k), doc.sheet.Cell(3, k), doc.sheet.Cell(4, k), doc.sheet.Cell(6, k)});
    }
    return lines;
  }
  std::vector<int> Decimals() const {
    std::vector<int> d;
    for (int k = 1; k < doc.sheet.RowCount(); ++k) d.push_back(doc.records.Decimals(k));
    return d;
  }

  Document doc;
  FakeUi ui;
  TempDir dir;
};

TEST(SheetExtension, ComparesTheLastFourCharactersExactly) {
  const std::pair<const char*, bool> cases[] = {
      {"a.rlk", true},   {".rlk", true},         {"/x/y z.rlk", true}, {"a.RLK", false},
      {"a.Rlk", false},  {"data.txt", false},    {"rlk", false},       {"a.rlk ", false},
      {"a.rlkx", false}, {"C:\\a\\b.rlk", true}, {"", false},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(HasSheetExtension(path), expected) << path;
}

TEST_F(SheetFileTest, WritesTheExampleSheetByteForByte) {
  FillExample(doc);
  EXPECT_EQ(SheetFileBytes(doc), kExampleFile);
}

TEST_F(SheetFileTest, WritesRowCountFourBlocksAndDecimals) {
  // 199 lines: first line 200, 1 + 4 * 199 + 199 = 996 lines in all.
  const std::string bytes = SheetFileBytes(doc);
  EXPECT_EQ(bytes.substr(0, 5), "200\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 996);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 996);

  doc.SetLineCount(2);
  doc.records.SetDecimals(1, 7);
  doc.records.SetDecimals(2, 0);
  EXPECT_EQ(SheetFileBytes(doc), "3\r\n \r\n\r\n\r\n\r\n \r\n\r\n\r\n\r\n7\r\n0\r\n");
}

TEST_F(SheetFileTest, LineFeedInsideACellCannotShiftTheFile) {
  doc.SetLineCount(1);
  doc.sheet.SetCell(Document::kUnit, 1, "m\nkg");
  EXPECT_EQ(SheetFileBytes(doc), "2\r\n \r\n\r\n\r\nm kg\r\n-1\r\n");
}

struct LoadCase {
  const char* what;
  std::string bytes;
  std::vector<std::vector<std::string>> lines;  // mark, name, expression, unit
  std::vector<int> decimals;                    // default_decimals is 2 in these cases
};

TEST_F(SheetFileTest, LoadsWhatTheFileHolds) {
  const std::vector<std::string> empty = {" ", "", "", ""};
  const std::vector<std::string> radius = {"*", "radius", "5", "cm"};
  const std::vector<std::string> areal = {" ", "areal", "PI*radius^2", "cm2"};
  const std::string cells =
      "4\r\n*\r\nradius\r\n5\r\ncm\r\n \r\nareal\r\nPI*radius^2\r\ncm2\r\n \r\n\r\n\r\n\r\n";
  std::string lf_only = kExampleFile;
  std::erase(lf_only, '\r');
  const LoadCase cases[] = {
      {"example", kExampleFile, {radius, areal, empty}, {-1, -1, -1}},
      {"lone line feeds", lf_only, {radius, areal, empty}, {-1, -1, -1}},
      {"no decimals block", cells, {radius, areal, empty}, {2, 2, 2}},
      {"decimals block ends early", cells + "5\r\n0", {radius, areal, empty}, {5, 0, 2}},
      {"bad decimals entries", cells + "8\r\n-2\r\nx\r\n", {radius, areal, empty}, {2, 2, 2}},
      {"more bad decimals", cells + "2.5\r\n\r\n 7 \r\n", {radius, areal, empty}, {2, 2, 7}},
      {"decimals -1 and 0", cells + "-1\r\n0\r\n+3\r\n", {radius, areal, empty}, {-1, 0, 3}},
      {"ends inside the cells",
       "4\r\n*\r\nradius\r\n5",
       {{"*", "radius", "5", ""}, empty, empty},
       {2, 2, 2}},
      {"count only", "3\r\n", {empty, empty}, {2, 2}},
      {"count with text after it", "  2 lines\r\n \r\nx\r\n1\r\n\r\n", {{" ", "x", "1", ""}}, {2}},
      {"last line without its end",
       "2\r\n*\r\nx\r\nx+1\r\nkr\r\n4",
       {{"*", "x", "x+1", "kr"}},
       {4}},
      {"mark other than *",
       "3\r\nT\r\na\r\n1\r\n\r\n\r\nb\r\n2\r\n\r\n",
       {{" ", "a", "1", ""}, {" ", "b", "2", ""}},
       {2, 2}},
      {"lone CR stays in the cell",
       "2\r\n \r\na\r\n1\r+\r2\r\n\r\r\n",
       {{" ", "a", "1\r+\r2", "\r"}},
       {2}},
      {"extra lines ignored",
       "2\r\n \r\na\r\n1\r\n\r\n3\r\nmore\r\nlines\r\n",
       {{" ", "a", "1", ""}},
       {3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Document fresh;
    fresh.InitialiseGrid();
    fresh.settings.default_decimals = 2;
    FakeUi fresh_ui;
    const std::string path = dir.File("case.rlk");
    WriteBytes(path, c.bytes);
    ASSERT_TRUE(LoadSheet(fresh, fresh_ui, path));
    EXPECT_TRUE(fresh_ui.messages.empty());
    doc.sheet = fresh.sheet;
    doc.records = fresh.records;
    EXPECT_EQ(Lines(), c.lines);
    EXPECT_EQ(Decimals(), c.decimals);
    EXPECT_EQ(fresh.records.Decimals(static_cast<int>(c.lines.size()) + 1), 2);
  }
}

TEST_F(SheetFileTest, LoadingResetsLabelsMarksValuesAndTheView) {
  FillExample(doc);
  doc.SetLineCount(20);
  doc.sheet.SetCell(Document::kTableMark, 1, "T");
  doc.sheet.SetCell(Document::kValue, 1, "         5");
  doc.sheet.SetCell(Document::kName, 15, "old");
  doc.sheet.top_row = 12;
  doc.sheet.SetCurrent(4, 18);
  doc.settings.view_mode = 3;
  doc.records.SetDecimals(500, 6);
  const std::string path = dir.File("ti.rlk");
  WriteBytes(path, "11\r\n*\r\nx\r\n1\r\n\r\n");
  ASSERT_TRUE(LoadSheet(doc, ui, path));
  EXPECT_EQ(doc.sheet.RowCount(), 11);
  EXPECT_EQ(doc.sheet.top_row, 1);
  EXPECT_LT(doc.sheet.CurrentRow(), doc.sheet.RowCount());
  EXPECT_EQ(doc.settings.view_mode, 1);
  EXPECT_EQ(doc.records.Decimals(500), -1);  // every record rebuilt
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(doc.sheet.Cell(Document::kLabel, k), "A" + std::to_string(k));
    EXPECT_EQ(doc.sheet.Cell(Document::kTableMark, k), " ");  // "T" marks are not kept
  }
  EXPECT_EQ(doc.sheet.Cell(Document::kFixedMark, 1), "*");
  EXPECT_EQ(doc.sheet.Cell(Document::kFixedMark, 2), " ");
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 1), "x");
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 2), "");
  EXPECT_EQ(doc.settings.file_name, path);
}

TEST_F(SheetFileTest, RefusedFilesLeaveTheSheetExactlyAsItWas) {
  const std::string big_count = "99999999999\r\n";
  const std::pair<const char*, std::string> cases[] = {
      {"count 0", "0\r\n"},
      {"count 1", "1\r\n \r\n"},
      {"count -5", "-5\r\n"},
      {"count 1001", "1001\r\n"},
      {"count 99999999999", big_count},
      {"count beyond 64 bits", "99999999999999999999999\r\n"},
      {"abc", "abc\r\n \r\nx\r\n1\r\n\r\n"},
      {"empty file", ""},
      {"empty first line", "\r\n2\r\n"},
      {"number glued to text", "4abc\r\n"},
      {"two signs", "+-4\r\n"},
      {"exponent", "1e3\r\n"},
      {"decimal point", "4.0\r\n"},
      {"binary", std::string("\0\x01\xff\x80\r\n", 6)},
  };
  FillExample(doc);
  doc.records.SetDecimals(2, 4);
  const Snapshot before = Take(doc);
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    FakeUi refused_ui;
    const std::string path = dir.File("bad.rlk");
    WriteBytes(path, bytes);
    EXPECT_FALSE(LoadSheet(doc, refused_ui, path));
    EXPECT_EQ(refused_ui.MessagesUtf8(), std::vector<std::string>{kForkert});
    EXPECT_TRUE(Take(doc) == before);
  }
}

TEST_F(SheetFileTest, RefusedNamesAreOfferedByTheNextSave) {
  const std::string existing_txt = dir.File("data.txt");
  const std::string upper = dir.File("DATA.RLK");
  WriteBytes(existing_txt, kExampleFile);
  WriteBytes(upper, kExampleFile);
  const std::string cases[] = {existing_txt, upper, dir.File("missing.rlk"), dir.path().string()};
  const Snapshot before = Take(doc);
  for (const auto& path : cases) {
    SCOPED_TRACE(path);
    FakeUi refused_ui;
    EXPECT_FALSE(LoadSheet(doc, refused_ui, path));
    EXPECT_EQ(refused_ui.MessagesUtf8(), std::vector<std::string>{kForkert});
    EXPECT_TRUE(Take(doc) == before);
    SaveCommand(doc, refused_ui);
    EXPECT_EQ(refused_ui.save_initials, std::vector<std::string>{path});
  }
}

TEST_F(SheetFileTest, KeepsOnlyTheBareNameAfterTheLastBackslash) {
  // Backslashes are ordinary characters in names here, which lets the rule be seen.
  const std::string path = dir.File("C:\\opgaver\\prisme.rlk");
  WriteBytes(path, kExampleFile);
  ASSERT_TRUE(LoadSheet(doc, ui, path));
  EXPECT_EQ(doc.settings.file_name, "prisme.rlk");

  const std::string target = dir.File("C:\\opgaver\\kasse.rlk");
  ASSERT_TRUE(SaveSheet(doc, ui, target));
  EXPECT_EQ(doc.settings.file_name, target);
  SaveCommand(doc, ui);
  EXPECT_EQ(ui.save_initials, std::vector<std::string>{target});
}

TEST_F(SheetFileTest, SaveThenLoadGivesBackMarksNamesExpressionsUnitsAndDecimals) {
  FillExample(doc);
  doc.sheet.SetCell(Document::kTableMark, 2, "T");
  doc.records.SetDecimals(1, 3);
  doc.records.SetDecimals(3, 0);
  const std::string path = dir.File("rund tur.rlk");
  ASSERT_TRUE(SaveSheet(doc, ui, path));
  const std::string saved = ReadBytes(path);

  Document loaded;
  loaded.InitialiseGrid();
  FakeUi loaded_ui;
  ASSERT_TRUE(LoadSheet(loaded, loaded_ui, path));
  EXPECT_EQ(loaded.sheet.Cell(Document::kTableMark, 2), " ");
  EXPECT_EQ(SheetFileBytes(loaded), saved);
  EXPECT_EQ(loaded.records.Decimals(1), 3);
  EXPECT_EQ(loaded.records.Decimals(3), 0);
}

TEST_F(SheetFileTest, EveryByteValueSurvivesARoundTripOutsideLineEnds) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    if (b != '\n') all.push_back(static_cast<char>(b));
  }
  doc.SetLineCount(1);
  doc.sheet.SetCell(Document::kName, 1, all);
  doc.sheet.SetCell(Document::kExpression, 1, all + "\r");
  doc.sheet.SetCell(Document::kUnit, 1, "\xe6\xf8\xe5\xc6\xd8\xc5");
  const std::string path = dir.File("bytes.rlk");
  ASSERT_TRUE(SaveSheet(doc, ui, path));
  Document loaded;
  FakeUi loaded_ui;
  ASSERT_TRUE(LoadSheet(loaded, loaded_ui, path));
  EXPECT_EQ(loaded.sheet.Cell(Document::kExpression, 1), all + "\r");
  EXPECT_EQ(loaded.sheet.Cell(Document::kUnit, 1), "\xe6\xf8\xe5\xc6\xd8\xc5");
  EXPECT_EQ(SheetFileBytes(loaded), ReadBytes(path));
}

TEST_F(SheetFileTest, OpenCommandAsksAndLoadsOrDoesNothing) {
  const std::string path = dir.File("aaben.rlk");
  WriteBytes(path, kExampleFile);
  const Snapshot before = Take(doc);
  ui.open_answers.push_back(std::nullopt);
  OpenCommand(doc, ui);
  EXPECT_TRUE(Take(doc) == before);
  EXPECT_EQ(doc.settings.file_name, "*.rlk");

  ui.open_answers.push_back(path);
  OpenCommand(doc, ui);
  EXPECT_EQ(doc.sheet.RowCount(), 4);
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 1), "radius");
  EXPECT_EQ(ui.questions, (std::vector<std::string>{"Åben ark", "Åben ark"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetFileTest, SaveCommandOffersFileNameAndCancelWritesNothing) {
  ui.save_answers.push_back(std::nullopt);
  SaveCommand(doc, ui);
  EXPECT_EQ(ui.save_initials, std::vector<std::string>{"*.rlk"});
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Gem ark"});
  EXPECT_TRUE(dir.Names().empty());

  const std::string path = dir.File("gem.rlk");
  ui.save_answers.push_back(path);
  SaveCommand(doc, ui);
  EXPECT_EQ(ReadBytes(path), SheetFileBytes(doc));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"gem.rlk"});
}

}  // namespace
}  // namespace ravnelok
