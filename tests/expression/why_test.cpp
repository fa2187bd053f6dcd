#include "expression/why.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

struct Case {
  const char* expression;  // line 3's, below a = 4 and an empty line 2, above b = 1
  FailureReason reason;
  const char* word;
  int position;
};

// One case per reason, each at the edge where the line just fails.
TEST(WhyLineFailed, NamesWhatFailedAndWhere) {
  // clang-format off
  const Case cases[] = {
      {"a+ukendt", FailureReason::kUnknownName, "ukendt", 0}, {"a+b", FailureReason::kNameBelow, "b", 0},
      {"a+A2", FailureReason::kNoValue, "A2", 0}, {"c+0,25", FailureReason::kNoStartValue, "c", 0},
      {"A3*2", FailureReason::kNoStartValue, "A3", 0}, {"SUM(a:x)", FailureReason::kRangeNotFound, "SUM", 0},
      {"a+KVR", FailureReason::kNoArgument, "KVR", 0},
      {"a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+"
       "a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a",
       FailureReason::kTooLong, "", 0},
      {"RST(7,5;2)", FailureReason::kRemainder, "", 0}, {"HVIS a>3 a ELLERS 1", FailureReason::kCondition, "", 0},
      {"a/(a-4)", FailureReason::kDivisionByZero, "", 0}, {"KVR(-a)", FailureReason::kDomain, "kvr", 0},
      {"LN(a-4)", FailureReason::kDomain, "ln", 0}, {"(-a)^0,5", FailureReason::kDomain, "", 0},
      {"a^2000", FailureReason::kOutOfRange, "", 0},
      // A number with an exponent of letters reads as a word first.
      {"1E2000*a", FailureReason::kUnknownName, "E2000", 0},
      // Positions count in the text as read: values in brackets, and the whole in brackets.
      {"a*4)", FailureReason::kSyntax, ")", 8}, {"a+()", FailureReason::kSyntax, "()", 5},
      {"a", FailureReason::kNone, "", 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {{"a", "4"}, {"", ""}, {"c", c.expression}, {"b", "1"}});
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
    const LineFailure why = WhyLineFailed(doc, 3);
    EXPECT_EQ(std::tie(why.reason, why.word, why.position),
              std::tuple(c.reason, std::string(c.word), c.position))
        << c.expression;
    // Asking twice gives the same and leaves the sheet as it was.
    EXPECT_EQ(WhyLineFailed(doc, 3).reason, c.reason) << c.expression;
  }
}

TEST(WhyLineFailed, TooDeepAndLinesThatDidNotFail) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"", std::string(300, '(') + "1" + std::string(300, ')')},
                           {"", "! tekst"},
                           {"", "SLUMP(6)+1/0"}});
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(WhyLineFailed(doc, 1).reason, FailureReason::kTooDeep);
  EXPECT_EQ(WhyLineFailed(doc, 2).reason, FailureReason::kNone);
  EXPECT_EQ(WhyLineFailed(doc, 0).reason, FailureReason::kNone);
  EXPECT_EQ(WhyLineFailed(doc, 999).reason, FailureReason::kNone);
  // Diagnosing a line that draws leaves the generator where it was.
  std::mt19937_64 before = doc.rng;
  EXPECT_EQ(WhyLineFailed(doc, 3).reason, FailureReason::kDivisionByZero);
  EXPECT_EQ(doc.rng, before);
}

}  // namespace
}  // namespace ravnelok
