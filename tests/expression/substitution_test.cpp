#include "expression/substitution.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

// Line 1 named x with value 5, line 2 named y with value 0.25, line 4 named z with 7.
class SubstituteNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSheet(doc, {{"x", "5"}, {"y", "0,25"}, {"", "x"}, {"z", "7"}});
    doc.records.SetLineName("x", 1);
    doc.records.SetLineName("y", 2);
    doc.records.SetLineName("z", 4);
    doc.records.StoreByNameAndLabel("x", "A1", 5, 1);
    doc.records.StoreByNameAndLabel("y", "A2", 0.25L, 2);
    doc.records.StoreByNameAndLabel("z", "A4", 7, 4);
  }
  Document doc;
};

TEST_F(SubstituteNamesTest, ReplacesNamesLabelsPiAndSums) {
  struct Case {
    std::string in;
    std::string out;
    bool undefined;
  };
  const Case cases[] = {
      {"x+1", "(5)+1", false},
      {"2*y", "2*(2.5E-0001)", false},
      {"A1*A2", "(5)*(2.5E-0001)", false},
      {"2x", "2(5)", false},
      {"x + 1", "(5) + 1", false},
      {"PI", "(3.141592653590E+0000)", false},
      {"2*pi", "2*(3.141592653590E+0000)", false},
      {"SUM(A1:A2)", "(5.250000000000E+0000)", false},
      {"SUM(y:x)", "(5.250000000000E+0000)", false},
      {"SIN(30)", "SIN(30)", false},
      {"SIN( 30 )", "SIN( 30 )", false},
      {"HVIS x>3 SÅ 1 ELLERS 2", "HVIS (5)>3 SÅ 1 ELLERS 2", false},
      {"RST(x;2)", "RST((5);2)", false},
      {"", "", false},
      {"123", "123", false},
      // failures
      {"a1", "a1", true},
      {"z", "z", true},  // defined below line 3
      {"w", "w", true},
      {"2e5", "2e5", true},
      {"SUM(A1A2)", "SUM(A1A2)", true},
      {"SUM(A1 : A2)", "SUM(A1 : A2)", true},
      {"SUM (A1:A2)", "SUM (A1:A2)", true},
      {"SIN30", "SIN30", true},
      {"SIN", "SIN", true},
      {"SIN (30)", "SIN (30)", true},
      {"x+SIN(", "(5)+SIN(", true},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    // Condition words are Windows-1252 in cells.
    for (size_t p = text.find("\xC3\x85"); p != std::string::npos; p = text.find("\xC3\x85")) {
      text.replace(p, 2, "\xC5");
    }
    std::string expected = c.out;
    for (size_t p = expected.find("\xC3\x85"); p != std::string::npos;
         p = expected.find("\xC3\x85")) {
      expected.replace(p, 2, "\xC5");
    }
    const SubstitutionFlags flags = SubstituteNames(doc, text, 3);
    EXPECT_EQ(flags.undefined, c.undefined) << c.in;
    EXPECT_FALSE(flags.too_long) << c.in;
    if (!c.undefined) {
      EXPECT_EQ(text, expected) << c.in;
    }
  }
}

TEST_F(SubstituteNamesTest, SumSkipsLinesWithoutValueAndMayReachBelow) {
  std::string text = "SUM(A1:A4)";
  EXPECT_FALSE(SubstituteNames(doc, text, 3).undefined);
  EXPECT_EQ(text, "(1.225000000000E+0001)");  // 5 + 0.25 + 7; line 3 has no value
}

TEST_F(SubstituteNamesTest, TooLongTextSetsTheFlagAtTwoHundredAndFiftyOne) {
  // "(2.5E-0001)" is 11 characters: each "y+" becomes 12 characters.
  std::string exact(250 - 11, '1');
  std::string text = exact + "+y";  // 239 + 1 + 11 = 251 after substitution
  text.erase(0, 1);                 // 238 + 1 + 11 = 250: still allowed
  EXPECT_FALSE(SubstituteNames(doc, text, 3).too_long);
  EXPECT_EQ(text.size(), 250u);
  text = exact + "+y";
  EXPECT_TRUE(SubstituteNames(doc, text, 3).too_long);
  EXPECT_EQ(text.size(), 251u);
}

TEST_F(SubstituteNamesTest, OwnNameGivesThePreviousValue) {
  doc.records.SetLineName("n", 6);
  std::string text = "n+1";
  EXPECT_TRUE(SubstituteNames(doc, text, 6).undefined);  // no value yet
  doc.records.StoreByNameAndLabel("n", "A6", 1500, 6);
  text = "n+1";
  EXPECT_FALSE(SubstituteNames(doc, text, 6).undefined);
  EXPECT_EQ(text, "(1500)+1");  // integers below 32000 are written as such
  doc.records.StoreByNameAndLabel("n", "A6", 150000, 6);
  text = "n+1";
  EXPECT_FALSE(SubstituteNames(doc, text, 6).undefined);
  EXPECT_EQ(text, "(1.5E+0005)+1");
  doc.records.StoreByNameAndLabel("n", "A6", 200000, 6);
  text = "A6";
  EXPECT_FALSE(SubstituteNames(doc, text, 6).undefined);
  EXPECT_EQ(text, "(2.E+0005)");
}

TEST_F(SubstituteNamesTest, EveryByteGivesAResultWithoutHanging) {
  for (int b = 0; b < 256; ++b) {
    for (const std::string& shape : {std::string("x+"), std::string("SUM("), std::string("")}) {
      std::string text = shape + static_cast<char>(b) + static_cast<char>(b);
      SubstituteNames(doc, text, 3);
      std::string single(1, static_cast<char>(b));
      SubstituteNames(doc, single, 3);
    }
  }
  std::string huge(1 << 20, 'x');
  for (size_t i = 1; i < huge.size(); i += 2) huge[i] = '+';
  EXPECT_TRUE(SubstituteNames(doc, huge, 3).too_long);
}

}  // namespace
}  // namespace ravnelok
