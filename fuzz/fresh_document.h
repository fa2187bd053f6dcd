#pragma once

#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "expression/eval_cache.h"
#include "expression/functions.h"
#include "numbers/format_value.h"
#include "support/fake_ui.h"

namespace ravnelok::testing {

// A document built afresh from the cells, decimals and angle unit of `warm`, with the UI texts
// loaded from `texts` (the built-in ones when none), and computed once.
using TextBytes = std::optional<std::string_view>;
inline std::unique_ptr<Document> FreshCopy(const Document& warm, TextBytes texts) {
  auto fresh = std::make_unique<Document>();
  if (texts) fresh->LoadTextsFromBytes(*texts);
  fresh->settings.angle_in_degrees = warm.settings.angle_in_degrees;
  fresh->InitialiseGrid();
  fresh->SetLineCount(warm.LineCount());
  for (int k = 1; k <= warm.LineCount(); ++k) {
    for (const int col : {Document::kTableMark, Document::kFixedMark, Document::kName,
                          Document::kExpression, Document::kUnit}) {
      fresh->sheet.SetCell(col, k, warm.sheet.Cell(col, k));
    }
    fresh->records.SetDecimals(k, warm.records.Decimals(k));
  }
  FakeUi ui;
  RecalculateSheet(*fresh, ui, RecalcMode::kFresh);
  return fresh;
}

// Whether line k names itself or a line below it (pasting next to a line marked "*" can make
// one): it then computes from its own last value, which a fresh document does not have.
inline bool ComputesFromItsPast(const Document& doc, int k) {
  const std::string& text = doc.sheet.Cell(Document::kExpression, k);
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) ||
                                 text[end] == '_' || static_cast<unsigned char>(text[end]) > 127)) {
      ++end;
    }
    const std::string word = text.substr(i, end - i);
    i = end == i ? i + 1 : end;
    for (int j = k; !word.empty() && j <= doc.LineCount(); ++j) {
      if (word == "A" + std::to_string(j) || word == doc.sheet.Cell(Document::kName, j)) {
        return true;
      }
    }
  }
  return false;
}

// Where `warm` shows or holds another value than a fresh copy of it computes (see FreshCopy),
// up to the first line that computes from its own past or may draw random numbers (the fresh
// copy draws others); empty when nowhere.
inline std::string DifferenceFromFresh(const Document& warm, TextBytes texts) {
  const auto fresh = FreshCopy(warm, texts);
  if (fresh->LineCount() != warm.LineCount()) return "the line count";
  for (int k = 1; k <= warm.LineCount() && !ComputesFromItsPast(warm, k) &&
                  !MayDrawRandomNumbers(warm.sheet.Cell(Document::kExpression, k));
       ++k) {
    const std::string where =
        "line " + std::to_string(k) + ": " + warm.sheet.Cell(Document::kExpression, k);
    const std::string& shown = warm.sheet.Cell(Document::kValue, k);
    if (shown != fresh->sheet.Cell(Document::kValue, k)) {
      return where + " shows " + shown + ", afresh " + fresh->sheet.Cell(Document::kValue, k);
    }
    // What a shown value holds in full (a new sheet leaves the old records unseen until the
    // next pass recomputes them).
    if (shown.empty() || shown == kFailedValueText) continue;
    Real a = 0;
    Real b = 0;
    if (warm.records.Value(k, a) != fresh->records.Value(k, b) || !SameBits(a, b)) {
      return where + " holds another value";
    }
  }
  return std::string();
}

}  // namespace ravnelok::testing
