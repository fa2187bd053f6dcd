#include "editing/cell_edit.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "support/fake_ui.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

std::string W(const char* utf8) {
  return cp1252::FromUtf8(utf8);
}

TEST(CellEditTest, UpperCaseReservedWords) {
  Document doc;
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"2*pi+sin(x)", "2*PI+SIN(x)"},
      {"hvis x>0 så 1 ellers 2", "HVIS x>0 SÅ 1 ELLERS 2"},
      {"x_pi", "x_PI"},          // the underscore separates words
      {"api2+pi2", "api2+pi2"},  // part of a longer run: unchanged
      {"Så", "SÅ"},
      {"Sin(Pi)", "SIN(PI)"},
      {"sum(A1;A3)+rst(7;2)", "SUM(A1;A3)+RST(7;2)"},
      {"slump*fak(3)", "SLUMP*FAK(3)"},
      {"ln2 ln 2", "ln2 LN 2"},
      {"kvr(d9)+c0", "KVR(D9)+C0"},
      {"sinus+cos", "sinus+COS"},
      {"", ""},
      {"æble+ø", "æble+ø"},
      {"pi.5", "PI.5"},  // the point separates words too
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp1252::ToUtf8(UpperCaseReservedWords(doc, W(c.in))), c.out) << c.in;
  }
}

TEST(CellEditTest, ReservedWordsFollowTheLoadedTexts) {
  Document doc;
  doc.texts.Set(108, "&if&then&else&");
  doc.texts.Set(112, "total");
  doc.BuildReservedWords();
  EXPECT_EQ(UpperCaseReservedWords(doc, "if x>0 then total(a1;a2) else hvis"),
            "IF x>0 THEN TOTAL(a1;a2) ELSE hvis");
}

TEST(CellEditTest, TypingOnTheSheet) {
  const struct {
    int col;
    char key;
    bool opens;
    std::string text;
  } cases[] = {
      {3, 'x', true, "x"},  {4, '7', true, "7"}, {6, 'm', true, "m"},
      {4, '\b', true, ""},                                                   // Backspace empties
      {4, '\r', false, ""},                                                  // Enter does nothing
      {2, 'x', false, ""},                                                   // label column
      {5, 'x', false, ""},                                                   // value column
      {0, 'x', false, ""},  {1, '1', false, ""}, {3, '\xe6', true, "\xe6"},  // æ
  };
  for (const auto& c : cases) {
    const TypingResult r = TypeOnSheet(c.col, c.key);
    EXPECT_EQ(r.open_editor, c.opens) << c.col << " " << int(c.key);
    EXPECT_EQ(r.text, c.text) << c.col << " " << int(c.key);
  }
}

TEST(CellEditTest, DeleteInEditor) {
  const struct {
    EditorText in;
    std::string text;
    int caret;
  } cases[] = {
      {{"abcd", 2, 2, 0}, "abd", 2},   // caret after b
      {{"abcd", 3, 1, 2}, "ad", 1},    // bc selected
      {{"abcd", 1, 1, 2}, "ad", 1},    // selected from right to left
      {{"abcd", 4, 4, 0}, "abcd", 4},  // at the end nothing goes
      {{"abcd", 0, 0, 4}, "", 0},      // everything selected
      {{"abcd", 0, 0, 0}, "bcd", 0},  {{"", 0, 0, 0}, "", 0},
      {{"ab", 9, 9, 0}, "ab", 2},  // a caret beyond the text stays at the end
      {{"abc", 1, 1, 9}, "a", 1},  // a selection beyond the text is cut at its end
  };
  for (const auto& c : cases) {
    const EditorText out = DeleteInEditor(c.in);
    EXPECT_EQ(out.text, c.text) << c.in.text << " " << c.in.caret;
    EXPECT_EQ(out.caret, c.caret) << c.in.text << " " << c.in.caret;
    EXPECT_EQ(out.selection_length, 0);
  }
}

TEST(CellEditTest, EditorLiesInsideTheCell) {
  EXPECT_EQ(EditorOverCell({10, 20, 110, 42}), (EditorGeometry{14, 24, 98, 20}));
  EXPECT_EQ(EditorOverCell({0, 0, 17, 18}), (EditorGeometry{4, 4, 15, 16}));
}

TEST(CellEditTest, PlaceEditorAndDoubleClick) {
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(4, 7, "2*3");
  EXPECT_EQ(PlaceEditor(doc, 4, 7), "2*3");
  EXPECT_EQ(doc.settings.editor_column, 4);
  EXPECT_EQ(doc.settings.editor_row, 7);
  for (int col = 0; col < 7; ++col) {
    doc.settings.clicked_column = col;
    EXPECT_EQ(DoubleClickOpensEditor(doc), col == 3 || col == 4 || col == 6) << col;
  }
}

TEST(CellEditTest, EditorKeyTargets) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(10);
  const struct {
    int row;
    EditorKey key;
    int target;
  } cases[] = {
      {5, EditorKey::kEnter, 5}, {5, EditorKey::kDown, 6},
      {5, EditorKey::kUp, 4},    {1, EditorKey::kUp, 0},     // line 1: Up does nothing
      {2, EditorKey::kUp, 1},    {10, EditorKey::kDown, 0},  // last line: Down does nothing
      {9, EditorKey::kDown, 10}, {10, EditorKey::kEnter, 10},
  };
  for (const auto& c : cases) {
    doc.settings.editor_row = c.row;
    EXPECT_EQ(EditorKeyTarget(doc, c.key), c.target) << c.row << " " << int(c.key);
  }
}

// Commits go through the real recalculation: the value column shows what happened.
TEST(CellEditTest, CommitWritesTheCellAndRecalculates) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  const struct {
    int col;
    const char* typed;
    const char* stored;
  } cases[] = {
      {4, "sin(pi)", "SIN(PI)"},
      {4, "!sin and cos", "!sin and cos"},  // a text line is stored as typed
      {4, "\"pi", "\"pi"},
      {4, "Så", "SÅ"},
      {6, "sin", "sin"},
      {4, "", ""},
  };
  for (const auto& c : cases) {
    PlaceEditor(doc, c.col, 2);
    CommitEditorText(doc, ui, W(c.typed));
    EXPECT_EQ(cp1252::ToUtf8(doc.sheet.Cell(c.col, 2)), c.stored) << c.typed;
  }
}

TEST(CellEditTest, NameAndExpressionRecalculateButUnitDoesNot) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  PlaceEditor(doc, 4, 1);
  CommitEditorText(doc, ui, "2*3");
  EXPECT_EQ(doc.sheet.Cell(5, 1), "         6");
  PlaceEditor(doc, 3, 1);
  CommitEditorText(doc, ui, "x");
  PlaceEditor(doc, 4, 2);
  CommitEditorText(doc, ui, "x+1");
  EXPECT_EQ(doc.sheet.Cell(5, 2), "         7");
  // A stale value cell survives a unit commit: no recalculation ran.
  doc.sheet.SetCell(5, 2, "stale");
  PlaceEditor(doc, 6, 2);
  CommitEditorText(doc, ui, "m");
  EXPECT_EQ(doc.sheet.Cell(5, 2), "stale");
  EXPECT_EQ(doc.sheet.Cell(6, 2), "m");
  // A renamed line: the old name is forgotten, so line 2 now fails.
  PlaceEditor(doc, 3, 1);
  CommitEditorText(doc, ui, "y");
  EXPECT_EQ(doc.sheet.Cell(5, 2), " ???");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(CellEditTest, RejectedNameIsReportedAndStopsThePass) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  PlaceEditor(doc, 4, 1);
  CommitEditorText(doc, ui, "5");
  PlaceEditor(doc, 3, 1);
  CommitEditorText(doc, ui, "sin");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.MessagesUtf8()[0], "Navnet sin er optaget til en indbygget funktion");
  EXPECT_EQ(doc.sheet.Cell(3, 1), "");  // the refused name's cell is emptied
}

}  // namespace
}  // namespace ravnelok
