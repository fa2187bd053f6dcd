#include "sheet/format_value.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "app/ui.h"

namespace ravnelok {
namespace {

struct Case {
  Real v;
  int decimals;
  const char* text;
};

TEST(FormatValue, WidthTen) {
  const Case cases[] = {
      // Automatic.
      {5, -1, "         5"},
      {-2.5L, -1, "      -2.5"},
      {1.0L / 3, -1, " 0.3333333"},
      {-1.0L / 3, -1, "-0.3333333"},
      {12345.678901L, -1, "12345.6789"},
      {2 + 1e-10L, -1, "        2."},
      {2 + 1e-14L, -1, "         2"},
      {-2 - 1e-14L, -1, "        -2"},
      {3e-08L, -1, " 0.0000000"},
      {-1e-09L, -1, "-0.0000000"},
      {123456789.5L, -1, " 123456790"},
      {1234567.891L, -1, "1234567.89"},
      {99999.99999999L, -1, "    100000"},  // rounds up to a whole number
      {0.99999999L, -1, "        1."},      // below 0.5 from whole: the point stays
      {0, -1, "         0"},
      {2e10L, -1, "   ###"},
      {1e10L, -1, "   ###"},
      {9999999999.0L, -1, "9999999999"},
      {-9999999999.0L, -1, "   ###"},
      // Fixed decimals.
      {3.14159L, 2, "      3.14"},
      {1.0L / 3, 6, "  0.333333"},
      {-12.5L, 7, "   ###"},
      {0.125L, 2, "      0.13"},
      {-0.001L, 2, "     -0.00"},
      {2.5L, 0, "         3"},
      {1e10L + 0.5L, 0, "   ###"},
      {1e300L, 3, "   ###"},
      // Never an infinity or NaN in a cell.
      {std::numeric_limits<Real>::infinity(), -1, "   ###"},
      {std::numeric_limits<Real>::quiet_NaN(), 2, "   ###"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatValue(c.v, c.decimals, 10), c.text) << c.text;
  }
}

TEST(FormatValue, OtherWidths) {
  EXPECT_EQ(FormatValue(1.0L / 3, -1, 12), " 0.333333333");
  EXPECT_EQ(FormatValue(1e-9L, -1, 12), " 0.0000000");  // seven decimals whatever the width
  EXPECT_EQ(FormatValue(1e-9L, -1, 8), "   ###");
}

TEST(FormatValue, UsesTheLinesDecimals) {
  Document doc;
  doc.records.SetDecimals(3, 2);
  doc.records.SetDecimals(4, -1);
  EXPECT_EQ(FormatValue(doc, 3.14159L, 3), "      3.14");
  EXPECT_EQ(FormatValue(doc, 3.14159L, 4), "   3.14159");
}

TEST(CountShownDecimals, Examples) {
  const std::pair<Real, int> cases[] = {
      {1.0L / 3, 7},     {0.5L, 1},         {0.125L, 3},     {-1.0L / 3, 7}, {12345.678901L, 4},
      {1234567.891L, 2}, {123456789.5L, 0}, {2 + 1e-10L, 0}, {3e-08L, 0},    {1e300L, 0},
  };
  for (const auto& [v, count] : cases) {
    EXPECT_EQ(CountShownDecimals(v, 10), count) << FormatValue(v, -1, 10);
  }
}

TEST(DecimalsDialog, Spin) {
  struct Step {
    const char* field;
    int spin;
    bool up;
    bool auto_checked;
    const char* field_after;
    int spin_after;
  };
  const Step steps[] = {
      {"0", 0, true, false, "1", 1},  {"6", 6, true, false, "7", 7},
      {"7", 7, true, false, "7", 7},  {"3", 3, false, false, "2", 2},
      {"0", 0, false, false, "0", 0}, {"3", 3, true, true, "3", 3},
      {"3", 3, false, true, "3", 3},  {"x", 2, true, false, "3", 3},
      {"42", 1, true, false, "7", 7}, {"-5", 1, false, false, "0", 0},
  };
  for (const Step& s : steps) {
    DecimalsDialog dialog;
    dialog.field = s.field;
    dialog.spin = s.spin;
    dialog.auto_checked = s.auto_checked;
    s.up ? dialog.SpinUp() : dialog.SpinDown();
    EXPECT_EQ(dialog.field, s.field_after) << s.field << (s.up ? " up" : " down");
    EXPECT_EQ(dialog.spin, s.spin_after) << s.field;
  }
}

}  // namespace
}  // namespace ravnelok
