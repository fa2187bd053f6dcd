#include "expression/substitution.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

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

}  // namespace
}  // namespace ravnelok
