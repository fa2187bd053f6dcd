#include "editing/copy_paste.h"

#include <gtest/gtest.h>

#include "app/edit_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::LineSpec;

// clang-format off
// Copy the rectangle `from`, paste into `to`; the paste column on `to` afterwards.
struct PasteCase { const char* what; std::vector<LineSpec> lines; GridRect from, to;
                   std::vector<std::string> pasted, messages = {}; int fixed_line = 0; };
// clang-format on

TEST(CopyPaste, RulesOfTheThreeColumnsAndARefusedPasteRecalculates) {
  const std::vector<LineSpec> sum = {{"", "1"}, {"", "2"}, {"", "3"}, {"", ""}, {"", "A2+A3"}};
  const std::string other = "Kopien hører til i en anden kolonne";
  const std::string columns_only =
      "Markering er kun tilladt i én af kolonnerne: navn, udtryk og enhed";
  const std::vector<LineSpec> ab = {{}, {}, {}, {}, {"a", "1"}, {"b", "2"}};
  // clang-format off
  const PasteCase cases[] = {
      {"labels follow", sum, {4, 5, 4, 5}, {4, 6, 4, 8}, {"A3+A4", "A4+A5", "A5+A6"}},
      {"to a named line", {{}, {"pris", "9"}, {"moms", "2"}, {}, {"", "pris*2"}}, {4, 5, 4, 5},
       {4, 6, 4, 6}, {"moms*2"}},
      {"label of a named line", {{}, {"pris", "9"}, {"", "A2*2"}}, {4, 3, 4, 3}, {4, 3, 4, 3},
       {"pris*2"}},
      {"above line 1", {{"", "1"}, {}, {"", "A1*2"}}, {4, 3, 4, 3}, {4, 2, 4, 2}, {"???*2"}},
      {"fixed line", {{"", "1"}, {"", "2"}, {"", "A1+A2"}}, {4, 3, 4, 3}, {4, 4, 4, 4}, {"A1+A3"},
       {}, 1},
      {"function", {{}, {"", "2"}, {"", "SIN(A2)"}}, {4, 3, 4, 3}, {4, 4, 4, 4}, {"SIN(A3)"}},
      {"unknown word stops", {{}, {"", "2"}, {"", "x+A2"}}, {4, 3, 4, 3}, {4, 4, 4, 4}, {"x+A2"}},
      {"reserved word last", {{}, {"", "2"}, {"", "A2*PI"}}, {4, 3, 4, 3}, {4, 4, 4, 4}, {"A3*PI"}},
      {"numbered name", {{}, {}, {}, {}, {"x1", "1"}}, {3, 5, 3, 5}, {3, 4, 3, 8},
       {"x0", "x1", "x2", "x3", "x4"}},
      {"name without number", {{}, {}, {}, {}, {"x", "1"}}, {3, 5, 3, 5}, {3, 4, 3, 4}, {"x-1"}},
      {"long number", {{}, {}, {}, {}, {"x99999999999999999999", "1"}}, {3, 5, 3, 5},
       {3, 6, 3, 6}, {"x100000000000000000000"}},
      {"two names cycle", ab, {3, 5, 3, 6}, {3, 7, 3, 10}, {"a1", "b1", "a2", "b2"}},
      {"unit unchanged", {{"", "1", "kr"}}, {6, 1, 6, 1}, {6, 2, 6, 3}, {"kr", "kr"}},
      {"name c", {{}, {"c", "1"}}, {3, 2, 3, 2}, {3, 3, 3, 4}, {"", ""},
       {"c0 - c9 er optaget til en indbygget funktion"}},
      {"three cells", sum, {4, 1, 4, 3}, {4, 6, 4, 6}, {""},
       {"Der kan højst tages kopi af 2 celler", other}},
      {"value column", sum, {5, 1, 5, 1}, {5, 6, 5, 6}, {""}, {columns_only, other}},
      {"other column", sum, {4, 1, 4, 1}, {6, 6, 6, 6}, {""}, {other}},
  };
  // clang-format on
  for (const PasteCase& c : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, c.lines);
    if (c.fixed_line > 0) doc.sheet.SetCell(Document::kFixedMark, c.fixed_line, "*");
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    doc.sheet.Select(c.from);
    CopyCells(doc, ui);
    doc.sheet.Select(c.to);
    PasteCells(doc, ui);
    EXPECT_EQ(testing::Column(doc, c.to.left, c.to.top, c.to.bottom), c.pasted) << c.what;
    EXPECT_EQ(ui.MessagesUtf8(), c.messages) << c.what;
  }
  // A paste that does not fit the copy still recalculates.
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"", "2"}, {"", "A1+1"}});
  doc.sheet.Select({4, 2, 4, 2});
  PasteCommand(doc, ui);
  EXPECT_EQ(doc.sheet.Cell(Document::kValue, 2), "         3");
  EXPECT_EQ(ui.MessagesUtf8(), std::vector<std::string>{"Kopien hører til i en anden kolonne"});
}

}  // namespace
}  // namespace ravnelok
