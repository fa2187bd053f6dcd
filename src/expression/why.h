#pragma once

#include <cstdint>
#include <string>

namespace ravnelok {

class Document;
class UiTexts;

// Why a line shows " ???": what failed, and the word or the place.
enum class FailureReason : uint8_t {
  kNone,
  kUnknownName,     // word: no line has it as name or label
  kNameBelow,       // word: a line below it, not computed yet when this line is
  kNoValue,         // word: a line above that has no value (it failed, is empty or text)
  kNoStartValue,    // word: the line's own name or label, and the line has no value to start from
  kRangeNotFound,   // word: the sum word; its ends are not both names or labels of the sheet
  kNoArgument,      // word: a function name without a bracket after it
  kTooLong,         // the text grew past 250 characters with the values put in
  kRemainder,       // a remainder whose parts are not whole numbers or cannot be read
  kCondition,       // a condition or comparison that lacks its words or cannot be read
  kDivisionByZero,  //
  kDomain,          // word: the function, when an argument lay outside its domain
  kOutOfRange,      // a number beyond what the program computes with
  kTooDeep,         // brackets and functions nested too deep
  kSyntax,          // position and word: where reading stopped, in the text as read
};

struct LineFailure {
  FailureReason reason = FailureReason::kNone;
  std::string word;
  int position = 0;
};

// Why line k failed, found by reading its text once more as the last pass read it; kNone when
// its value cell does not show " ???". Draws no random number for good.
LineFailure WhyLineFailed(Document& doc, int k);

// The reason in the edition's words (Windows-1252), the word or place put in; empty for kNone.
std::string FailureText(const UiTexts& texts, const LineFailure& why);

}  // namespace ravnelok
