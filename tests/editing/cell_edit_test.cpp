#include "editing/cell_edit.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

// The underscore and the point separate words.
TEST(CellEdit, UpperCaseReservedWords) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"2*pi+sin(x)", "2*PI+SIN(x)"}, {"hvis x>0 så 1 ellers 2", "HVIS x>0 SÅ 1 ELLERS 2"},
      {"x_pi", "x_PI"}, {"ln2 ln 2", "ln2 LN 2"}, {"kvr(d9)+c0", "KVR(D9)+C0"}, {"pi.5", "PI.5"}};
  // clang-format on
  Document doc;
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(cp1252::ToUtf8(UpperCaseReservedWords(doc, cp1252::FromUtf8(in))), out) << in;
  }
  doc.texts.Set(TextId::kConditionWords, "&if&then&else&");
  doc.texts.Set(TextId::kSumName, "total");
  doc.BuildReservedWords();
  EXPECT_EQ(UpperCaseReservedWords(doc, "if x>0 then total(a1;a2) else hvis"),
            "IF x>0 THEN TOTAL(a1;a2) ELSE hvis");
}

// nullptr: no editor opens. Backspace empties.
TEST(CellEdit, TypingOnTheSheetEditorPlacementAndKeys) {
  const std::tuple<int, char, const char*> cases[] = {
      {3, 'x', "x"},      {4, '7', "7"},      {6, 'm', "m"},     {4, '\b', ""},
      {4, '\r', nullptr}, {2, 'x', nullptr},  {5, 'x', nullptr}, {0, 'x', nullptr},
      {1, '1', nullptr},  {3, '\xe6', "\xe6"}};
  for (const auto& [col, key, text] : cases) {
    const TypingResult r = TypeOnSheet(col, key);
    EXPECT_EQ(std::pair(r.open_editor, r.text),
              std::pair(text != nullptr, std::string(text ? text : "")))
        << col << " " << int(key);
  }
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(10);
  doc.sheet.SetCell(4, 7, "2*3");
  EXPECT_EQ(PlaceEditor(doc, 4, 7), "2*3");
  EXPECT_EQ(std::pair(doc.editor.column, doc.editor.row), std::pair(4, 7));
  // Target 0: nothing happens.
  for (int col = 0; col < 7; ++col) {
    doc.editor.clicked_column = col;
    EXPECT_EQ(DoubleClickOpensEditor(doc), col == 3 || col == 4 || col == 6) << col;
  }
  const std::tuple<int, EditorKey, int> keys[] = {
      {5, EditorKey::kEnter, 5}, {5, EditorKey::kDown, 6},   {5, EditorKey::kUp, 4},
      {1, EditorKey::kUp, 0},    {2, EditorKey::kUp, 1},     {10, EditorKey::kDown, 0},
      {9, EditorKey::kDown, 10}, {10, EditorKey::kEnter, 10}};
  for (const auto& [row, key, target] : keys) {
    doc.editor.row = row;
    EXPECT_EQ(EditorKeyTarget(doc, key), target) << row << " " << int(key);
  }
}

// Commits go through the real recalculation: line 2's value cell shows what happened. Angles
// are in degrees; a text line is stored as typed; a unit commit does not recalculate; a new name
// makes the old one unknown.
TEST(CellEdit, CommitStoresTheTextAndRecalculatesForNamesAndExpressions) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  // clang-format off
  const std::tuple<int, int, const char*, const char*, const char*> steps[] = {
      {4, 2, "sin(pi)", "SIN(PI)", " 0.0548037"}, {4, 2, "!sin and cos", "!sin and cos", ""},
      {4, 2, "Så", "SÅ", " ???"}, {4, 1, "2*3", "2*3", " ???"}, {3, 1, "x", "x", " ???"},
      {4, 2, "x+1", "x+1", "         7"}, {6, 2, "sin", "sin", "stale"}, {3, 1, "y", "y", " ???"}};
  // clang-format on
  for (const auto& [col, row, typed, stored, value2] : steps) {
    doc.sheet.SetCell(5, 2, "stale");
    PlaceEditor(doc, col, row);
    CommitEditorText(doc, ui, cp1252::FromUtf8(typed));
    EXPECT_EQ(cp1252::ToUtf8(doc.sheet.Cell(col, row)) + "|" + doc.sheet.Cell(5, 2),
              std::string(stored) + "|" + value2)
        << typed;
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace ravnelok
