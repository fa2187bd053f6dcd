#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/text_id.h"
#include "fresh_document.h"
#include "support/fake_ui.h"

namespace ravnelok::fuzz {

// A finding: says what and stops, so that the fuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

inline void Check(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

// After a step, the document must compute what a fresh copy of its cells computes.
inline void CheckAgainstFresh(const Document& doc, testing::TextBytes texts) {
  const std::string difference = testing::DifferenceFromFresh(doc, texts);
  if (!difference.empty()) Fail("differs from a fresh document at " + difference);
}

// A pass that refuses a name computes nothing, and the next one refuses the next bad name: passes
// go on as a user's edits would until no name is refused, so that the values can be compared.
inline void PassUntilNamesAccepted(Document& doc, testing::FakeUi& ui, size_t messages_before) {
  auto refused = [&] {
    for (size_t i = messages_before; i < ui.messages.size(); ++i) {
      if (ui.messages[i].starts_with(doc.texts[TextId::kNameMessageStart])) return true;
    }
    return false;
  };
  for (int pass = 0; pass <= doc.LineCount() && refused(); ++pass) {
    messages_before = ui.messages.size();
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  }
}

// The names, labels, sums and conditions every line can reach: a small sheet's first lines.
inline void FillBaseLines(Document& doc) {
  const char* const lines[][2] = {
      {"a", "2"}, {"b", "-3,5"}, {"", "A1+A2"}, {"c", "SUM(A1:A3)"}, {"", "! tekst"}};
  for (int k = 1; k <= 5; ++k) {
    doc.sheet.SetCell(Document::kName, k, lines[k - 1][0]);
    doc.sheet.SetCell(Document::kExpression, k, lines[k - 1][1]);
  }
}

}  // namespace ravnelok::fuzz
