#include "expression/substitution.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "expression/name_table.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// Line 1 named x with value 5, line 2 named y with value 0.25, line 4 named z with 7.
class SubstituteNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSheet(doc, {{"x", "5"}, {"y", "0,25"}, {"", "x"}, {"z", "7"}});
    for (const auto& [name, k, value] :
         {std::tuple("x", 1, 5.0L), {"y", 2, 0.25L}, {"z", 4, 7.0L}}) {
      doc.records.SetLineName(name, k);
      doc.records.StoreByNameAndLabel(name, LabelOf(k), value, k);
    }
  }
  // The text after substitution on `line`, or "undefined"; UTF-8 in and out.
  std::string Substitute(const std::string& utf8, int line = 3) {
    std::string text = cp1252::FromUtf8(utf8);
    const SubstitutionFlags flags = SubstituteNames(doc, text, line);
    EXPECT_FALSE(flags.too_long) << utf8;
    return flags.undefined ? "undefined" : cp1252::ToUtf8(text);
  }
  Document doc;
};

// Line 3 has no value, and a sum may reach below it; z is defined below line 3.
TEST_F(SubstituteNamesTest, ReplacesNamesLabelsPiAndSums) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"x+1", "(5)+1"}, {"2*y", "2*(2.5E-0001)"}, {"2x", "2(5)"}, {"PI", "(3.141592653590E+0000)"},
      {"SUM(A1:A2)", "(5.250000000000E+0000)"}, {"SUM(y:x)", "(5.250000000000E+0000)"},
      {"SUM(A1:A4)", "(1.225000000000E+0001)"}, {"SIN(30)", "SIN(30)"}, {"RST(x;2)", "RST((5);2)"},
      {"HVIS x>3 SÅ 1 ELLERS 2", "HVIS (5)>3 SÅ 1 ELLERS 2"}, {"a1", "undefined"}, {"z", "undefined"},
      {"2e5", "undefined"}, {"SUM(A1A2)", "undefined"}, {"SIN30", "undefined"}, {"SIN", "undefined"},
      {"x+SIN(", "undefined"}, {"A03", "undefined"}, {"A1000", "undefined"}};
  // clang-format on
  for (const auto& [in, out] : cases) EXPECT_EQ(Substitute(in), out) << in;
}

// Integers below 32000 are written as such; no value yet is undefined.
TEST_F(SubstituteNamesTest, OwnNameGivesThePreviousValueAndTooLongTextSetsTheFlag) {
  doc.records.SetLineName("n", 6);
  EXPECT_EQ(Substitute("n+1", 6), "undefined");
  for (const auto& [value, text] : {std::pair(1500.0L, "(1500)+1"),
                                    {150000.0L, "(1.5E+0005)+1"},
                                    {200000.0L, "(2.E+0005)+1"}}) {
    doc.records.StoreByNameAndLabel("n", "A6", value, 6);
    EXPECT_EQ(Substitute("n+1", 6) + Substitute("A6+1", 6), std::string(text) + text);
  }
  // "(2.5E-0001)" is 11 characters: each "y" becomes 11.
  std::string text = std::string(238, '1') + "+y";
  EXPECT_FALSE(SubstituteNames(doc, text, 3).too_long);
  EXPECT_EQ(text.size(), 250u);
  text = std::string(239, '1') + "+y";
  EXPECT_TRUE(SubstituteNames(doc, text, 3).too_long);
  EXPECT_EQ(text.size(), 251u);
}

TEST(TextOps, NormaliseSignsAndFindLowerCase) {
  const std::pair<const char*, const char*> signs[] = {
      {"+", ""},           {"+-4", "0-4"},   {"3,5+1,25", "3.5+1.25"},
      {"((++-3", "((0-3"}, {"2*-3", "2*-3"}, {"(-(+3", "(0-(3"}};
  for (const auto& [in, out] : signs) {
    std::string text = in;
    NormaliseSigns(text);
    EXPECT_EQ(text, out) << in;
  }
  EXPECT_EQ(FindDanishLower("\xC5R \xE5r", "\xE5r"), 0u);
}

// The flags of a check as letters: b(ad characters), f(unction), c(ondition word), l(abel), p(i).
std::string Flags(const NameCheck& c) {
  return std::string(c.bad_characters ? "b" : "") + (c.built_in ? "f" : "") +
         (c.condition_word ? "c" : "") + (c.label_form ? "l" : "") + (c.pi ? "p" : "");
}

TEST(NameTable, CheckNameAcceptsAndRefusesAsTheNamingRulesSay) {
  const std::pair<const char*, const char*> cases[] = {
      {"Rente2", ""}, {"æble", ""}, {"kvrod", ""}, {"E", ""},     {"a1", ""},  {"", ""},
      {"2x", "b"},    {"x-y", "b"}, {"x_1", "b"},  {"SIN", "f"},  {"c3", "f"}, {"sum", "f"},
      {"RST", "f"},   {"Pi", "p"},  {"A12", "l"},  {"A007", "l"}, {"SÅ", "c"}, {"ellers", "c"}};
  Document doc;
  for (const auto& [name, flags] : cases) {
    EXPECT_EQ(Flags(CheckName(doc, cp1252::FromUtf8(name))), flags) << name;
  }
}

TEST(NameTable, ReportsOnlyTheFirstRefusedLineAndEmptiesItsCell) {
  // The lines, the messages, the line whose name cell is emptied (0: none).
  const std::tuple<std::vector<testing::LineSpec>, Texts, int> cases[] = {
      {{{"x", "1"}, {"y", "2"}}, {}, 0},
      {{{"", "1"}, {"x", "2"}, {"", "3"}, {"", "4"}, {"x", "5"}},
       {"Navnet x er brugt flere gange"},
       5},
      {{{"", "1"}, {"x", "2"}, {"sin", "3"}, {"", "4"}, {"x", "5"}},
       {"Navnet sin er optaget til en indbygget funktion"},
       3},
      {{{"pi", "1"}}, {"Navnet pi er reserveret konstanten PI"}, 1},
      {{{"2x", "1"}}, {"Navnet 2x er ikke et tilladt navn"}, 1},
      {{{"A1", "1"}}, {"Navnet A1 er reserveret til linievariable"}, 1},
      {{{"hvis", "1"}}, {"Navnet hvis er reserveret til HVIS-SÅ-ELLERS"}, 1}};
  for (const auto& [lines, messages, emptied_line] : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, lines);
    EXPECT_EQ(BuildNameTable(doc, ui), messages.empty());
    EXPECT_EQ(ui.MessagesUtf8(), messages);
    for (int k = 1; k <= static_cast<int>(lines.size()); ++k) {
      EXPECT_EQ(cp1252::ToUtf8(doc.sheet.Cell(Document::kName, k)),
                k == emptied_line ? "" : lines[k - 1].name)
          << "line " << k;
    }
  }
}

TEST(NameTable, RemovesBlanksAndRegistersNamesCaseSensitively) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"x y", "1"}, {"X", "2"}, {"x", "3"}});
  EXPECT_TRUE(BuildNameTable(doc, ui));
  EXPECT_EQ(doc.sheet.Cell(Document::kName, 1), "xy");
  EXPECT_EQ(std::tuple(doc.records.Lookup("xy").line, doc.records.Lookup("X").line,
                       doc.records.Lookup("x").line),
            std::tuple(1, 2, 3));
}

}  // namespace
}  // namespace ravnelok
