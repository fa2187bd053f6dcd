// After every editing command, a document whose evaluation caches are warm must give exactly
// what a document built afresh from the same cells gives. With the self-check build option on
// (the test build), every fast evaluation on the way is also checked against the full reading.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <tuple>

#include "app/edit_commands.h"
#include "app/settings_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "expression/eval_cache.h"
#include "sheet/decimals.h"
#include "support/fake_ui.h"
#include "support/fresh_document.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;

std::string EnglishTexts() {
  std::ifstream in(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines that use the names and labels above them in every way a line can be computed: plain
// arithmetic, sums, conditions, relations, remainders, functions, failures, long texts.
std::string RandomExpression(const Document& doc, std::mt19937& rng, int k) {
  // A name of a line above, or else a label.
  auto above = [&] {
    const int j = 1 + static_cast<int>(rng() % std::max(1, k - 1));
    const std::string& name = doc.sheet.Cell(Document::kName, j);
    return name.empty() || rng() % 4 == 0 ? "A" + std::to_string(j) : name;
  };
  const std::string p = above();
  const std::string q = above();
  const std::string j = std::to_string(1 + rng() % std::max(1, k - 1));
  const std::vector<std::string> forms = {
      std::to_string(rng() % 20) + ",5",
      "-" + std::to_string(1 + rng() % 9),
      p + "*2+1",
      "-" + p + "^2",
      "SUM(A1:A" + j + ")",
      "SUM(" + p + ":" + q + ")/3",
      "HVIS " + p + ">3 SÅ " + p + " ELLERS -" + q,
      "RST(17;5)+" + p,
      "KVR(ABS(" + p + "))",
      "(" + p + "<" + q + ")+(" + p + ">=" + q + ")",
      "1/(" + p + "-" + p + ")",
      "ukendt+1",
      "PI*" + p,
      "SIN(" + p + "*30)",
      "! tekst",
      "",
      p + "/7",
      "1,5E3-A" + j,
      p + "+" + q + "+" + q + "+" + q + "+" + q + "+" + q + "+" + q + "+" + q + "+" + q + "+" + q,
      "1E-300*" + p,
      "1E300*" + p + "*" + q,
  };
  return forms[rng() % forms.size()];
}

struct Warm {
  Document doc;
  FakeUi ui;
  bool english = false;
};

void ExpectSameValues(const Warm& warm, const std::string& step) {
  const std::string english = warm.english ? EnglishTexts() : std::string();
  const std::string difference = testing::DifferenceFromFresh(
      warm.doc, warm.english ? testing::TextBytes(english) : std::nullopt);
  ASSERT_EQ(difference, "") << step;
}

void Select(Document& doc, int left, int top, int right, int bottom) {
  doc.sheet.SetCurrent(left, top);
  doc.sheet.Select({left, top, right, bottom});
}

TEST(WarmCaches, EveryEditingCommandGivesWhatAFreshDocumentGives) {
  const std::string english = EnglishTexts();
  ASSERT_FALSE(english.empty());
  std::mt19937 rng(2026);
  Warm w;
  w.doc.InitialiseGrid();
  w.doc.SetLineCount(25);
  for (int k = 1; k <= 25; ++k) {
    w.doc.sheet.SetCell(Document::kName, k, "n" + std::to_string(k));
    w.doc.sheet.SetCell(Document::kExpression, k,
                        cp1252::FromUtf8(RandomExpression(w.doc, rng, k)));
  }
  RecalculateSheet(w.doc, w.ui, RecalcMode::kFresh);
  ExpectSameValues(w, "start");

  auto line = [&] { return 1 + static_cast<int>(rng() % w.doc.LineCount()); };
  // Each with a weight: the sheet must stay full enough to compute.
  const std::vector<std::tuple<int, std::string, std::function<void()>>> commands = {
      {6, "commit an expression",
       [&] {
         const int k = line();
         w.doc.editor.column = Document::kExpression;
         w.doc.editor.row = k;
         CommitEditorText(w.doc, w.ui, cp1252::FromUtf8(RandomExpression(w.doc, rng, k)));
       }},
      {1, "commit a name",
       [&] {
         w.doc.editor.column = Document::kName;
         w.doc.editor.row = line();
         CommitEditorText(w.doc, w.ui, "v" + std::to_string(rng() % 1000));
       }},
      {1, "commit a unit",
       [&] {
         w.doc.editor.column = Document::kUnit;
         w.doc.editor.row = line();
         CommitEditorText(w.doc, w.ui, "cm");
       }},
      {2, "copy and paste two cells at a distance",
       [&] {
         const int from = std::min(line(), w.doc.LineCount() - 1);
         Select(w.doc, Document::kExpression, from, Document::kExpression, from + 1);
         CopyCommand(w.doc, w.ui);
         const int to = std::min(line(), w.doc.LineCount() - 1);
         Select(w.doc, Document::kExpression, to, Document::kExpression, to + 1);
         PasteCommand(w.doc, w.ui);
       }},
      {2, "insert lines",
       [&] {
         Select(w.doc, Document::kName, line(), Document::kName, 1);
         const std::string n = std::to_string(1 + rng() % 3);
         w.ui.text_input_script.push_back([n](TextInputDialog& d) {
           d.field = n;
           return true;
         });
         InsertLinesCommand(w.doc, w.ui);
       }},
      {1, "delete lines",
       [&] {
         const int top = line();
         Select(w.doc, Document::kName, top, Document::kName,
                std::min(top + static_cast<int>(rng() % 3), w.doc.LineCount()));
         DeleteLinesCommand(w.doc, w.ui);
       }},
      {1, "clear cells",
       [&] {
         const int top = line();
         const int col = rng() % 2 ? Document::kName : Document::kExpression;
         Select(w.doc, col, top, col, top);
         ClearSheetCellsCommand(w.doc, w.ui);
       }},
      {2, "more or fewer decimals",
       [&] {
         const int top = line();
         Select(w.doc, Document::kValue, top, Document::kValue, top);
         if (rng() % 2) {
           MoreDecimals(w.doc);
         } else {
           FewerDecimals(w.doc);
         }
       }},
      {1, "decimals of all lines",
       [&] {
         Select(w.doc, Document::kValue, 1, Document::kValue, w.doc.LineCount());
         const bool automatic = rng() % 3 == 0;
         w.ui.decimals_script.push_back([automatic](DecimalsDialog& d) {
           if (automatic != d.auto_checked) d.ToggleCheck();
           if (!automatic) d.SpinUp();
           return true;
         });
         DecimalsDialogCommand(w.doc, w.ui);
       }},
      {2, "a mark",
       [&] {
         const int col = rng() % 2 ? Document::kTableMark : Document::kFixedMark;
         PressSheetGrid(w.doc, w.ui, MouseButton::kLeft, col, line());
       }},
      {1, "the angle unit",
       [&] {
         w.ui.angle_script.push_back([](AngleDialog& d) {
           d.choice = d.choice == AngleUnit::kDegrees ? AngleUnit::kRadians : AngleUnit::kDegrees;
           return true;
         });
         AngleCommand(w.doc, w.ui);
       }},
      {1, "the number of lines",
       [&] {
         const std::string n = std::to_string(18 + rng() % 12);
         w.ui.text_input_script.push_back([n](TextInputDialog& d) {
           d.field = n;
           return true;
         });
         NumberOfLinesCommand(w.doc, w.ui);
       }},
      {1, "other texts",
       [&] {
         w.english = !w.english;
         if (w.english) {
           w.doc.LoadTextsFromBytes(english);
         } else {
           w.doc.LoadTexts(RAVNELOK_SOURCE_DIR "/no such file");
         }
         RecalculateSheet(w.doc, w.ui, RecalcMode::kAppendRow);
       }},
      {2, "a pass", [&] { RecalculateSheet(w.doc, w.ui, RecalcMode::kAppendRow); }},
  };
  std::vector<size_t> draw;
  for (size_t i = 0; i < commands.size(); ++i) draw.insert(draw.end(), std::get<0>(commands[i]), i);
  std::ostringstream trail;
  for (int step = 0; step < 600; ++step) {
    const auto& [weight, name, run] = commands[draw[rng() % draw.size()]];
    trail << step << ": " << name << "\n";
    run();
    ExpectSameValues(w, trail.str());
    if (::testing::Test::HasFatalFailure()) return;
  }
  // A new sheet at the end: nothing of the old one may show.
  w.ui.confirm_answers.push_back(true);
  NewSheetCommand(w.doc, w.ui);
  ExpectSameValues(w, "new sheet");
}

}  // namespace
}  // namespace ravnelok
