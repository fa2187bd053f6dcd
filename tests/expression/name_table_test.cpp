#include "expression/name_table.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::CellUtf8;
using testing::FakeUi;
using testing::FillSheet;

TEST(CheckName, AcceptsAndRefusesAsTheNamingRulesSay) {
  Document doc;
  struct Case {
    const char* name;
    bool bad, built_in, condition, label, pi;
  };
  const Case cases[] = {
      {"x", false, false, false, false, false},     {"Rente2", false, false, false, false, false},
      {"æble", false, false, false, false, false},  {"Øre", false, false, false, false, false},
      {"kvrod", false, false, false, false, false}, {"e", false, false, false, false, false},
      {"E", false, false, false, false, false},     {"a1", false, false, false, false, false},
      {"2x", true, false, false, false, false},     {"x-y", true, false, false, false, false},
      {"x_1", true, false, false, false, false},    {"sin", false, true, false, false, false},
      {"SIN", false, true, false, false, false},    {"kvr", false, true, false, false, false},
      {"c3", false, true, false, false, false},     {"sum", false, true, false, false, false},
      {"RST", false, true, false, false, false},    {"Pi", false, false, false, false, true},
      {"PI", false, false, false, false, true},     {"A1", false, false, false, true, false},
      {"A12", false, false, false, true, false},    {"A007", false, false, false, true, false},
      {"hvis", false, false, true, false, false},   {"SÅ", false, false, true, false, false},
      {"ellers", false, false, true, false, false}, {"", false, false, false, false, false},
  };
  for (const auto& c : cases) {
    const NameCheck check = CheckName(doc, cp1252::FromUtf8(c.name));
    EXPECT_EQ(check.bad_characters, c.bad) << c.name;
    EXPECT_EQ(check.built_in, c.built_in) << c.name;
    EXPECT_EQ(check.condition_word, c.condition) << c.name;
    EXPECT_EQ(check.label_form, c.label) << c.name;
    EXPECT_EQ(check.pi, c.pi) << c.name;
  }
}

TEST(BuildNameTable, ReportsOnlyTheFirstRefusedLineAndEmptiesItsCell) {
  struct Case {
    std::vector<testing::LineSpec> lines;
    std::vector<std::string> messages;
    int emptied_line;  // 0 when no name cell is emptied
  };
  const Case cases[] = {
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
    FakeUi ui;
    FillSheet(doc, c.lines);
    const bool ok = BuildNameTable(doc, ui);
    EXPECT_EQ(ok, c.messages.empty());
    EXPECT_EQ(ui.MessagesUtf8(), c.messages);
    for (size_t i = 0; i < c.lines.size(); ++i) {
      const int k = static_cast<int>(i) + 1;
      const std::string expected = k == c.emptied_line ? "" : c.lines[i].name;
      EXPECT_EQ(CellUtf8(doc, Document::kName, k), expected) << "line " << k;
    }
  }
}

TEST(BuildNameTable, RemovesBlanksAndRegistersNames) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"x y", "1"}, {"X", "2"}, {"x", "3"}});
  EXPECT_TRUE(BuildNameTable(doc, ui));
  EXPECT_EQ(CellUtf8(doc, Document::kName, 1), "xy");
  // x and X are two different names.
  EXPECT_EQ(doc.records.Lookup("X").line, 2);
  EXPECT_EQ(doc.records.Lookup("x").line, 3);
  EXPECT_EQ(doc.records.Lookup("xy").line, 1);
}

TEST(BuildNameTable, ABadNameGivesOneMessagePerFlagInOrder) {
  // A replacement text table can make one word several things at once.
  Document doc;
  doc.texts.Set(112, "pi");
  doc.BuildReservedWords();
  FakeUi ui;
  FillSheet(doc, {{"pi", "1"}});
  EXPECT_FALSE(BuildNameTable(doc, ui));
  EXPECT_EQ(ui.MessagesUtf8(),
            (std::vector<std::string>{"Navnet pi er optaget til en indbygget funktion",
                                      "Navnet pi er reserveret konstanten PI"}));
}

TEST(LineRecords, LookupIsExactAndTheLastMatchWins) {
  LineRecords records;
  records.SetLineName("x", 4);
  records.StoreByNameAndLabel("x", "A4", 2.5L, 4);
  LookupResult r = records.Lookup("A3");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.line, 3);
  EXPECT_FALSE(r.has_value);
  EXPECT_FALSE(records.Lookup("a3").found);
  EXPECT_FALSE(records.Lookup("A03").found);
  EXPECT_FALSE(records.Lookup("A1000").found);
  r = records.Lookup("x");
  EXPECT_TRUE(r.found && r.has_value);
  EXPECT_EQ(r.value, 2.5L);
  EXPECT_EQ(records.Lookup("A4").value, 2.5L);
  // An empty name stores only by label.
  records.StoreByNameAndLabel("", "A7", 1.0L, 7);
  EXPECT_TRUE(records.HasValue(7));
  EXPECT_FALSE(records.Lookup("").found);
  // Moving a record carries its name and value; the source is reset.
  records.MoveRecord(4, 9);
  EXPECT_EQ(records.Lookup("x").line, 9);
  EXPECT_FALSE(records.HasValue(4));
  EXPECT_TRUE(records.NameUsedAbove("x", 10));
  EXPECT_FALSE(records.NameUsedAbove("x", 9));
}

}  // namespace
}  // namespace ravnelok
