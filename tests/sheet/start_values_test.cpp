#include "sheet/start_values.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::Column;
using testing::FillSheet;
using Texts = std::vector<std::string>;

class StartValuesTest : public ::testing::Test {
 protected:
  Texts Values(int first, int last) { return Column(doc, Document::kValue, first, last); }
  Document doc;
  testing::FakeUi ui;
};

TEST(StartValues, FindsLinesThatReferToThemselvesAsWholeWords) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"x", "xx+1", false}, {"x", "x2+1", false}, {"x", "A3*2", true},  {"", "A33*2", false},
      {"x", "X+1", false},  {"x", "x_1", true},   {"l", "øl*2", false}, {"", "", false}};
  for (const auto& [name, expression, self] : cases) {
    Document doc;
    FillSheet(doc, {{"", "1"}, {"", "2"}, {name, expression}});
    EXPECT_EQ(IsSelfReferring(doc, 3), self) << name << " " << expression;
  }
}

// Up to five lines the dialog is 230 pixels high, from six on 400; a row per line and the header.
TEST(StartValues, TheDialogGrowsBeyondFiveLines) {
  for (const auto& [count, height] : {std::pair(1, 230), {5, 230}, {6, 400}, {7, 400}}) {
    Document doc;
    testing::FakeUi ui;
    std::vector<testing::LineSpec> lines;
    for (int k = 1; k <= count; ++k)
      lines.push_back({"x" + std::to_string(k), "A" + std::to_string(k)});
    FillSheet(doc, lines);
    std::pair<int, std::size_t> shown;
    ui.start_values_script.push_back([&](StartValuesDialog& d) {
      shown = {d.height, d.rows.size()};
      return false;
    });
    StartValuesCommand(doc, ui);
    EXPECT_EQ(shown, std::pair(height, std::size_t(count) + 1)) << count;
  }
}

TEST_F(StartValuesTest, StartValuesAreUsedOnceThenTheExpressionIterates) {
  FillSheet(doc, {{"x", "x+1"}, {"", "A2*2"}, {"y", "7"}});
  ui.start_values_script.push_back([](StartValuesDialog& d) {
    if (d.rows.size() != 3) return false;  // the values below then show the fault
    EXPECT_EQ(d.rows[1][0] + d.rows[2][0] + d.rows[2][1], " x A20");
    d.rows[1][1] = "10";
    d.rows[2][1] = "2,5";
    return true;
  });
  StartValuesCommand(doc, ui);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(Values(1, 2), (Texts{"        11", "         5"}));
  // A fresh pass forgets start values still pending.
  doc.records.StoreValue(1, 10);
  doc.records.SetStartPending(1, true);
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  EXPECT_EQ(Values(1, 1), Texts{"        11"});
}

// An invalid value gives one message and no value; a cancel leaves the lines pending.
TEST_F(StartValuesTest, InvalidOrCancelledStartValues) {
  FillSheet(doc, {{"a", "a+1"}, {"b", "b+1"}, {"c", "c+1"}});
  ui.start_values_script.push_back([](StartValuesDialog& d) {
    d.rows[1][1] = "abc";
    d.rows[2][1] = "";
    d.rows[3][1] = "4";
    return true;
  });
  StartValuesCommand(doc, ui);
  EXPECT_EQ(ui.MessagesUtf8(), Texts{"Ukorrekt angivelse af værdi"});
  EXPECT_EQ(Values(1, 3), (Texts{" ???", " ???", "         4"}));
  StartValuesCommand(doc, ui);
  EXPECT_TRUE(doc.records.StartPending(1) && doc.records.StartPending(3));
}

}  // namespace
}  // namespace ravnelok
