#include "editing/editor_moves.h"

#include <gtest/gtest.h>

#include "document/document.h"

namespace ravnelok {
namespace {

TEST(EditorMoves, TabGoesThroughNameExpressionAndUnitLineByLine) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(5);
  constexpr int N = Document::kName, E = Document::kExpression, U = Document::kUnit;
  // From (col, row), backward or not: where to, or nothing ({0, 0}).
  const std::tuple<int, int, bool, EditorCell> cases[] = {
      {N, 1, false, {E, 1}},
      {E, 1, false, {U, 1}},
      {U, 1, false, {N, 2}},
      {U, 4, false, {N, 5}},
      {U, 5, false, {0, 0}},
      {E, 5, false, {U, 5}},
      {N, 2, true, {U, 1}},
      {U, 2, true, {E, 2}},
      {E, 2, true, {N, 2}},
      {N, 1, true, {0, 0}},
      {Document::kValue, 2, false, {0, 0}},
      {N, 6, false, {0, 0}},
  };
  for (const auto& [col, row, backward, to] : cases) {
    const std::optional<EditorCell> target = TabTarget(doc, col, row, backward);
    EXPECT_EQ(target.value_or(EditorCell{}), to) << col << "," << row << " " << backward;
  }
}

}  // namespace
}  // namespace ravnelok
