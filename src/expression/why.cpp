#include "expression/why.h"

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
