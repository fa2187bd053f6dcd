#include "document/document.h"

#include <chrono>

#include "text/text_ops.h"

namespace ravnelok {

const std::string& FunctionNames() {
  static const std::string names =
      "&abs&sqr&sin&cos&tan&log&hel&afk&exp&slump&tgn&kvr&rund&atan&ln&fak&"
      "trunc&int&round&sign&rand&rd&sl&fac&"
      "c0&c1&c2&c3&c4&c5&c6&c7&c8&c9&"
      "d0&d1&d2&d3&d4&d5&d6&d7&d8&d9&";
  return names;
}

Document::Document()
    : records(settings.default_decimals),
      function_names(FunctionNames()),
      rng(static_cast<unsigned long long>(
          std::chrono::system_clock::now().time_since_epoch().count())) {
  table.row_height = 18;
  table.font_size = 10;
  table.SetDefaultColWidth(50);
  table.SetCurrent(0, 1);
  sheet.SetCurrent(3, 1);
  BuildReservedWords();
}

void Document::BuildReservedWords() {
  reserved_words = function_names + "pi" + texts[TextId::kConditionWords] + "&" +
                   texts[TextId::kSumName] + "&" + texts[TextId::kRemainderName] + "&";
  built_in_words =
      function_names + "&" + texts[TextId::kSumName] + "&" + texts[TextId::kRemainderName] + "&";
  eval_cache.assign(kMaxLines + 1, LineEvalCache{});
  records.SetNamesChecked(false);  // a name may now be a reserved word
  words.Clear();
  words.Add(reserved_words, WordTable::kReserved);
  words.Add(function_names, WordTable::kFunction);
  words.Add(texts[TextId::kConditionWords], WordTable::kCondition);
  words.Add(built_in_words, WordTable::kBuiltIn);
}

bool Document::IsReservedWord(const std::string& word) const {
  return (words.Flags(DanishLowerCase(word)) & WordTable::kReserved) != 0;
}

void Document::InitialiseGrid() {
  sheet.SetColWidth(kTableMark, 17);
  sheet.SetColWidth(kFixedMark, 17);
  sheet.SetColWidth(kName, 86);
  sheet.SetColWidth(kLabel, 48);
  sheet.SetCell(kName, 0, texts[TextId::kHeaderName]);
  sheet.SetCell(kExpression, 0, texts[TextId::kHeaderExpression]);
  sheet.SetCell(kValue, 0, texts[TextId::kHeaderValue]);
  sheet.SetCell(kUnit, 0, texts[TextId::kHeaderUnit]);
  for (int k = 1; k < sheet.RowCount(); ++k) {
    sheet.SetCell(kLabel, k, LabelOf(k));
    sheet.SetCell(kTableMark, k, " ");
    sheet.SetCell(kFixedMark, k, " ");
  }
  sheet.SetCell(kTableMark, 0, "T");
  sheet.SetCell(kFixedMark, 0, "*");
  sheet.SetCurrent(kName, 1);
}

void Document::SetLineCount(int lines) {
  if (lines < 1) lines = 1;
  if (lines > kMaxLines) lines = kMaxLines;
  const int old_rows = sheet.RowCount();
  sheet.SetRowCount(lines + 1);
  for (int k = old_rows; k < sheet.RowCount(); ++k) {
    sheet.SetCell(kLabel, k, LabelOf(k));
    sheet.SetCell(kTableMark, k, " ");
    sheet.SetCell(kFixedMark, k, " ");
  }
}

}  // namespace ravnelok
