#include "expression/name_table.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::FillSheet;
using Texts = std::vector<std::string>;

// The flags of a check as letters: b(ad characters), f(unction), c(ondition word), l(abel), p(i).
std::string Flags(const NameCheck& c) {
  return std::string(c.bad_characters ? "b" : "") + (c.built_in ? "f" : "") +
         (c.condition_word ? "c" : "") + (c.label_form ? "l" : "") + (c.pi ? "p" : "");
}

TEST(NameTable, CheckNameAcceptsAndRefusesAsTheNamingRulesSay) {
  const std::pair<const char*, const char*> cases[] = {
      {"x", ""},    {"Rente2", ""},  {"æble", ""}, {"Øre", ""},  {"kvrod", ""}, {"e", ""},
      {"E", ""},    {"a1", ""},      {"", ""},     {"2x", "b"},  {"x-y", "b"},  {"x_1", "b"},
      {"sin", "f"}, {"SIN", "f"},    {"kvr", "f"}, {"c3", "f"},  {"sum", "f"},  {"RST", "f"},
      {"Pi", "p"},  {"PI", "p"},     {"A1", "l"},  {"A12", "l"}, {"A007", "l"}, {"hvis", "c"},
      {"SÅ", "c"},  {"ellers", "c"},
  };
  Document doc;
  for (const auto& [name, flags] : cases) {
    EXPECT_EQ(Flags(CheckName(doc, cp1252::FromUtf8(name))), flags) << name;
  }
}

TEST(NameTable, ReportsOnlyTheFirstRefusedLineAndEmptiesItsCell) {
  const struct {
    std::vector<testing::LineSpec> lines;
    Texts messages;
    int emptied_line;  // 0 when no name cell is emptied
  } cases[] = {
      {{{"x", "1"}, {"y", "2"}}, {}, 0},
      {{{"", "1"}, {"x", "2"}, {"", "3"}, {"", "4"}, {"x", "5"}},
       {"Navnet x er brugt flere gange"},
       5},
      {{{"", "1"}, {"x", "2"}, {"sin", "3"}, {"", "4"}, {"x", "5"}},
       {"Navnet sin er optaget til en indbygget funktion"},
       3},
      {{{"pi", "1"}}, {"Navnet pi er reserveret konstanten PI"}, 1},
      {{{"A1", "1"}}, {"Navnet A1 er reserveret til linievariable"}, 1},
      {{{"hvis", "1"}}, {"Navnet hvis er reserveret til HVIS-SÅ-ELLERS"}, 1},
      {{{"2x", "1"}}, {"Navnet 2x er ikke et tilladt navn"}, 1},
  };
  for (const auto& c : cases) {
    Document doc;
    testing::FakeUi ui;
    FillSheet(doc, c.lines);
    EXPECT_EQ(BuildNameTable(doc, ui), c.messages.empty());
    EXPECT_EQ(ui.MessagesUtf8(), c.messages);
    for (int k = 1; k <= static_cast<int>(c.lines.size()); ++k) {
      EXPECT_EQ(testing::CellUtf8(doc, Document::kName, k),
                k == c.emptied_line ? "" : c.lines[k - 1].name)
          << "line " << k;
    }
  }
}

TEST(NameTable, RemovesBlanksAndRegistersNamesCaseSensitively) {
  Document doc;
  testing::FakeUi ui;
  FillSheet(doc, {{"x y", "1"}, {"X", "2"}, {"x", "3"}});
  EXPECT_TRUE(BuildNameTable(doc, ui));
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 1), "xy");
  EXPECT_EQ(doc.records.Lookup("xy").line, 1);
  EXPECT_EQ(doc.records.Lookup("X").line, 2);
  EXPECT_EQ(doc.records.Lookup("x").line, 3);
}

TEST(NameTable, ABadNameGivesOneMessagePerFlagInOrder) {
  // A replacement text table can make one word several things at once.
  Document doc;
  doc.texts.Set(TextId::kSumName, "pi");
  doc.BuildReservedWords();
  testing::FakeUi ui;
  FillSheet(doc, {{"pi", "1"}});
  EXPECT_FALSE(BuildNameTable(doc, ui));
  EXPECT_EQ(ui.MessagesUtf8(), (Texts{"Navnet pi er optaget til en indbygget funktion",
                                      "Navnet pi er reserveret konstanten PI"}));
}

TEST(NameTable, LookupIsExactAndRecordsMoveWithTheirName) {
  LineRecords records;
  records.SetLineName("x", 4);
  records.StoreByNameAndLabel("x", "A4", 2.5L, 4);
  const LookupResult r = records.Lookup("A3");
  EXPECT_TRUE(r.found && r.line == 3 && !r.has_value);
  EXPECT_EQ(records.Lookup("A4").value, 2.5L);
  for (const char* missing : {"a3", "A03", "A1000", ""})
    EXPECT_FALSE(records.Lookup(missing).found);
  records.MoveRecord(4, 9);  // name and value go along; the source is reset
  EXPECT_EQ(records.Lookup("x").line, 9);
  EXPECT_FALSE(records.HasValue(4));
}

}  // namespace
}  // namespace ravnelok
