#include "expression/name_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

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
