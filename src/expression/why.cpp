#include "expression/why.h"

#include <iterator>
#include <string_view>
#include <utility>

#include "document/document.h"
#include "expression/evalue.h"
#include "expression/reading_steps.h"
#include "expression/substitution.h"
#include "numbers/format_value.h"

namespace ravnelok {
namespace {

FailureReason FromSubstitution(SubstitutionFailure::Kind kind) {
  switch (kind) {
    case SubstitutionFailure::kUnknown:
    case SubstitutionFailure::kNone:
      return FailureReason::kUnknownName;
    case SubstitutionFailure::kBelow:
      return FailureReason::kNameBelow;
    case SubstitutionFailure::kNoValue:
      return FailureReason::kNoValue;
    case SubstitutionFailure::kOwnNoValue:
      return FailureReason::kNoStartValue;
    case SubstitutionFailure::kRange:
      return FailureReason::kRangeNotFound;
    case SubstitutionFailure::kNoArgument:
      return FailureReason::kNoArgument;
  }
  return FailureReason::kUnknownName;
}

FailureReason FromEvaluator(EvalFault fault) {
  switch (fault) {
    case EvalFault::kDivisionByZero:
      return FailureReason::kDivisionByZero;
    case EvalFault::kDomain:
      return FailureReason::kDomain;
    case EvalFault::kTooDeep:
      return FailureReason::kTooDeep;
    case EvalFault::kSyntax:
      return FailureReason::kSyntax;
    case EvalFault::kNone:
    case EvalFault::kOutOfRange:
      break;
  }
  return FailureReason::kOutOfRange;
}

LineFailure Read(Document& doc, int k) {
  LineFailure why;
  std::string text = doc.sheet.Cell(Document::kExpression, k);
  SubstitutionFailure stopped;
  const SubstitutionFlags flags = SubstituteNames(doc, text, k, nullptr, &stopped);
  if (flags.too_long || text.size() > kMaxEvaluatedLength) {
    why.reason = FailureReason::kTooLong;
    return why;
  }
  if (flags.undefined) {
    why.reason = FromSubstitution(stopped.kind);
    why.word = stopped.word;
    return why;
  }
  const size_t empty_brackets = text.find("()");
  if (empty_brackets != std::string::npos) {
    why.reason = FailureReason::kSyntax;
    why.position = static_cast<int>(empty_brackets) + 1;
    why.word = text.substr(empty_brackets);
    return why;
  }
  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  int step = -1;
  if (!RunReadingSteps(doc, text, context, &step)) {
    why.reason = step == 0 ? FailureReason::kRemainder : FailureReason::kCondition;
    return why;
  }
  if (text.empty()) return why;
  const EvalDiagnosis diagnosis = DiagnoseExpression(text, context);
  if (diagnosis.fault == EvalFault::kNone) return why;
  why.reason = FromEvaluator(diagnosis.fault);
  why.position = diagnosis.position;
  why.word = diagnosis.fault == EvalFault::kSyntax ? diagnosis.rest : diagnosis.function;
  return why;
}

}  // namespace

std::string FailureText(const UiTexts& texts, const LineFailure& why) {
  // The text of each reason, in the order of FailureReason.
  static constexpr TextId kTexts[] = {
      TextId::kWhyUnknownName, TextId::kWhyUnknownName,    TextId::kWhyNameBelow,
      TextId::kWhyNoValue,     TextId::kWhyNoStartValue,   TextId::kWhyRangeNotFound,
      TextId::kWhyNoArgument,  TextId::kWhyTooLong,        TextId::kWhyRemainder,
      TextId::kWhyCondition,   TextId::kWhyDivisionByZero, TextId::kWhyDomain,
      TextId::kWhyOutOfRange,  TextId::kWhyTooDeep,        TextId::kWhySyntax,
  };
  static_assert(std::size(kTexts) == static_cast<size_t>(FailureReason::kSyntax) + 1);
  if (why.reason == FailureReason::kNone) return {};
  TextId id = kTexts[static_cast<size_t>(why.reason)];
  // A power has no function to name.
  if (why.reason == FailureReason::kDomain && why.word.empty()) id = TextId::kWhyPower;
  std::string text = texts[id];
  const std::string first =
      why.reason == FailureReason::kSyntax ? std::to_string(why.position) : why.word;
  for (const auto& [mark, with] : {std::pair<std::string_view, std::string>{"%1", first},
                                   {"%2", why.reason == FailureReason::kSyntax ? why.word : ""}}) {
    const size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), with);
  }
  return text;
}

LineFailure WhyLineFailed(Document& doc, int k) {
  if (k < 1 || k > doc.LineCount() || doc.sheet.Cell(Document::kValue, k) != kFailedValueText) {
    return {};
  }
  const auto rng = doc.rng;
  LineFailure why = Read(doc, k);
  doc.rng = rng;
  return why;
}

}  // namespace ravnelok
