#include "document/document.h"

#include <chrono>

#include "text/text_ops.h"

namespace ravnelok {

Document::Document() : records(settings.default_decimals) {
  rng.seed(
      static_cast<unsigned long long>(std::chrono::system_clock::now().time_since_epoch().count()));
  table.row_height = 18;
  table.font_size = 10;
  table.SetDefaultColWidth(50);
  table.SetCurrent(0, 1);
  sheet.SetCurrent(3, 1);
  BuildReservedWords();
}

void Document::BuildReservedWords() {
  const std::string& functions = FunctionNames();
  const std::string sum_and_remainder =
      texts[TextId::kSumName] + "&" + texts[TextId::kRemainderName] + "&";
  // The words a name may not be, and those substitution passes over.
  const std::string built_in = functions + "&" + sum_and_remainder;
  const std::string reserved =
      functions + "pi" + texts[TextId::kConditionWords] + "&" + sum_and_remainder;
  records.SetNamesChecked(false);  // a name may now be a reserved word
  words.Clear();
  words.Add(reserved, WordTable::kReserved);
  words.Add(functions, WordTable::kFunction);
  words.Add(texts[TextId::kConditionWords], WordTable::kCondition);
  words.Add(built_in, WordTable::kBuiltIn);
}

bool Document::LoadTexts(const std::string& path) {
  const bool read = texts.Load(path);
  BuildReservedWords();
  return read;
}

void Document::LoadTextsFromBytes(std::string_view bytes) {
  texts.LoadFromFileBytes(bytes);
  BuildReservedWords();
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
    sheet.SetCell(kTableMark, k, std::string(kNoMarkText));
    sheet.SetCell(kFixedMark, k, std::string(kNoMarkText));
  }
  sheet.SetCell(kTableMark, 0, std::string(kTableMarkText));
  sheet.SetCell(kFixedMark, 0, std::string(kFixedMarkText));
  sheet.SetCurrent(kName, 1);
}

void Document::SetLineCount(int lines) {
  if (lines < 1) lines = 1;
  if (lines > kMaxLines) lines = kMaxLines;
  const int old_rows = sheet.RowCount();
  sheet.SetRowCount(lines + 1);
  for (int k = old_rows; k < sheet.RowCount(); ++k) {
    sheet.SetCell(kLabel, k, LabelOf(k));
    sheet.SetCell(kTableMark, k, std::string(kNoMarkText));
    sheet.SetCell(kFixedMark, k, std::string(kNoMarkText));
  }
}

}  // namespace ravnelok
