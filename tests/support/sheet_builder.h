#pragma once

#include <string>
#include <vector>

#include "app/document.h"

namespace ravnelok::testing {

struct LineSpec {
  std::string name;
  std::string expression;
  std::string unit = "";
};

// A Document with its grid initialised and lines 1.. filled from `lines` (texts in UTF-8).
void FillSheet(Document& doc, const std::vector<LineSpec>& lines);
// Cell text as UTF-8.
std::string CellUtf8(const Document& doc, int col, int row);
// The raw cells of column `col` on lines first..last.
std::vector<std::string> Column(const Document& doc, int col, int first, int last);

}  // namespace ravnelok::testing
