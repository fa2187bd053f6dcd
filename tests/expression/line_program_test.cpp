#include "expression/line_program.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "expression/eval_cache.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::Column;
using testing::FillSheet;
using Texts = std::vector<std::string>;

// Lines computed by their programs give, to the last bit, what the full evaluation gives, also
// when a value fails, grows too long to substitute, or turns negative, and after an expression
// is edited to one of the same length, and when the angle unit changes under unchanged inputs,
// and when a line reads a value stored as typed (a start value of more than 13 digits), which
// its text rounds.
TEST(LinePrograms, GiveWhatTheFullEvaluationGives) {
  Document fast;
  testing::FakeUi ui;
  FillSheet(fast, {{"c", "c+1"},
                   {"n", "-c*1,5"},
                   {"", "SIN(c*30)+PI"},
                   {"", "SUM(A1:A3)/c"},
                   {"", "n^2-A1/7"},
                   {"", "1/(c-3)"},
                   {"", "HVIS c>2 SÅ n ELLERS 0"},
                   {"m", "n/7"},
                   {"", "m+m+m+m+m+m+m+m+m+m+m"},
                   {"g", "60"},
                   {"", "COS(g)"}});
  fast.records.StoreValue(1, 0);
  for (int pass = 0; pass < 16; ++pass) {
    if (pass == 4) fast.records.StoreValue(1, -1.23456789012345678L);
    if (pass == 8) fast.sheet.SetCell(Document::kExpression, 5, "n^3-A1/7");
    if (pass == 12) fast.settings.angle_in_degrees = false;
    // The reference is a copy, which starts without caches: it reads every line at first sight
    // or in full, never by a program.
    Document cold = fast;
    RecalculateSheet(fast, ui, RecalcMode::kAppendRow);
    RecalculateSheet(cold, ui, RecalcMode::kAppendRow);
    EXPECT_EQ(Column(fast, Document::kValue, 1, 11), Column(cold, Document::kValue, 1, 11));
    for (int k = 1; k <= 11; ++k)
      EXPECT_TRUE(SameBits(fast.records[k].value, cold.records[k].value)) << k;
  }
  // The programs did run: most lines have one.
  int ready = 0;
  for (int k = 1; k <= 11; ++k) ready += Caches(fast).Line(k).program.state == LineProgram::kReady;
  EXPECT_GE(ready, 7);
}

// A random draw happens once per pass and line, also when the line then fails: a first sight
// that gave up after drawing would shift every later draw. So line 3 draws the same whether
// line 2 then fails or not.
TEST(LinePrograms, ALineDrawsOncePerPassEvenWhenItFails) {
  Document failing;
  Document passing;
  testing::FakeUi ui;
  FillSheet(failing, {{"a", "2"}, {"", "SLUMP(1000)*a/0"}, {"", "SLUMP(1000)+a*0"}});
  FillSheet(passing, {{"a", "2"}, {"", "SLUMP(1000)*a"}, {"", "SLUMP(1000)+a*0"}});
  std::set<Real> drawn;
  for (int pass = 0; pass < 3; ++pass) {
    failing.rng.seed(5 + pass);
    passing.rng.seed(5 + pass);
    RecalculateSheet(failing, ui, RecalcMode::kAppendRow);
    RecalculateSheet(passing, ui, RecalcMode::kAppendRow);
    EXPECT_EQ(Column(failing, Document::kValue, 2, 2), Texts{" ???"}) << pass;
    EXPECT_EQ(failing.records[3].value, passing.records[3].value) << pass;
    drawn.insert(failing.records[3].value);
  }
  EXPECT_EQ(drawn.size(), 3u);  // other seeds, other draws: the line does draw
}

}  // namespace
}  // namespace ravnelok
