#pragma once

#include <string>
#include <vector>

#include "document/document.h"

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
// Raw cells of lines 1.. written as "a|b|..." into the columns `cols`; the sheet gets that many
// lines.
void FillRows(Document& doc, const std::vector<std::string>& rows, const std::vector<int>& cols);
// Lines 1.. of the sheet as "a|b|..." over the columns `cols`.
std::vector<std::string> Rows(const Document& doc, const std::vector<int>& cols);
// The raw cells of column `col` on lines first..last.
std::vector<std::string> Column(const Document& doc, int col, int first, int last);

}  // namespace ravnelok::testing
