#include "sheet/start_values.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "sheet/recalc.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::Column;
using testing::FakeUi;
using testing::FillSheet;
using Texts = std::vector<std::string>;

TEST(StartValues, FindsLinesThatReferToThemselvesAsWholeWords) {
  const struct {
    const char *name, *expression;
    bool self;
  } cases[] = {
      {"x", "x+1", true},  {"x", "xx+1", false}, {"x", "x2+1", false}, {"", "A3*2", true},
      {"x", "A3*2", true}, {"", "A33*2", false}, {"x", "X+1", false},  {"x", "2*(x)", true},
      {"x", "x_1", true},  {"øl", "øl*2", true}, {"l", "øl*2", false}, {"", "", false},
  };
  for (const auto& c : cases) {
    Document doc;
    FillSheet(doc, {{"", "1"}, {"", "2"}, {c.name, c.expression}});
    EXPECT_EQ(IsSelfReferring(doc, 3), c.self) << c.name << " " << c.expression;
  }
}

TEST(StartValues, ConfirmedValuesAreUsedOnceThenTheExpressionIterates) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"x", "x+1"}, {"", "A2*2"}, {"y", "7"}});
  ui.start_values_script.push_back([](StartValuesDialog& d) {
    EXPECT_EQ(d.height, 230);
    using Row = std::array<std::string, 2>;
    EXPECT_EQ(d.rows,
              (std::vector<Row>{
                  {"  Navn", cp1252::FromUtf8("  Startværdi")}, {" x", "0"}, {" A2", "0"}}));
    d.rows[1][1] = "10";
    d.rows[2][1] = "2,5";
    return true;
  });
  StartValuesCommand(doc, ui);
  EXPECT_EQ(ui.questions, Texts{"Startstil navne"});
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2), (Texts{"        10", "       2.5"}));
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2), (Texts{"        11", "         5"}));

  // Nothing refers to itself: nothing is asked or said.
  FillSheet(doc, {{"x", "1"}, {"y", "x+1"}});
  StartValuesCommand(doc, ui);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(StartValues, InvalidValuesShowOneMessageAndLeaveTheLinesWithoutValue) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "a+1"}, {"b", "b+1"}, {"c", "c+1"}});
  ui.start_values_script.push_back([](StartValuesDialog& d) {
    d.rows[1][1] = "abc";
    d.rows[2][1] = "";
    d.rows[3][1] = "4";
    return true;
  });
  StartValuesCommand(doc, ui);
  EXPECT_EQ(ui.MessagesUtf8(), Texts{"Ukorrekt angivelse af værdi"});
  EXPECT_EQ(Column(doc, Document::kValue, 1, 3), (Texts{" ???", " ???", "         4"}));
}

TEST(StartValues, CancelKeepsTheLinesPendingForOnePass) {
  Document doc;
  FakeUi ui;
  std::vector<testing::LineSpec> lines;
  for (int i = 1; i <= 7; ++i) lines.push_back({"", "A" + std::to_string(i) + "+1"});
  FillSheet(doc, lines);
  StartValuesCommand(doc, ui);
  for (int k = 1; k <= 7; ++k) EXPECT_TRUE(doc.records.StartPending(k));
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // the next pass clears the marks
  EXPECT_FALSE(doc.records.StartPending(1));
}

}  // namespace
}  // namespace ravnelok
