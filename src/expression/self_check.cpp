#include "expression/self_check.h"

#include <cstdio>
#include <cstdlib>

#include "document/document.h"
#include "expression/eval_cache.h"
#include "numbers/number_text.h"

namespace ravnelok {
namespace {

const char* PathName(LinePath path) {
  switch (path) {
    case LinePath::kProgram:
      return "compiled program";
    case LinePath::kFirstSight:
      return "first sight";
    case LinePath::kCache:
      return "evaluation cache";
  }
  return "?";
}

std::string Describe(const LineResult& r) {
  return "value " + ScientificText21(r.value) + " error_position " +
         std::to_string(r.error_position) + " failed " + std::to_string(r.failed) + " undefined " +
         std::to_string(r.undefined) + " too_long " + std::to_string(r.too_long) + " emptied " +
         std::to_string(r.emptied);
}

}  // namespace

void CheckAgainstFullReading(Document& doc, int k, const std::string& text, LinePath path,
                             const LineResult& got) {
  const auto rng = doc.rng;
  std::string reading = text;
  const LineResult full = EvaluateLineUncached(doc, reading, k);
  doc.rng = rng;
  if (SameBits(got.value, full.value) && got.error_position == full.error_position &&
      got.failed == full.failed && got.undefined == full.undefined &&
      got.too_long == full.too_long && got.emptied == full.emptied) {
    return;
  }
  std::fprintf(stderr,
               "self-check: line %d, text \"%s\": the %s gave\n  %s\nthe full reading gave\n  %s\n",
               k, text.c_str(), PathName(path), Describe(got).c_str(), Describe(full).c_str());
  std::abort();
}

}  // namespace ravnelok
