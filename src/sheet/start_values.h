#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// Whether line k refers to itself by name or label as a whole word.
bool IsSelfReferring(const Document& doc, int k);
// The start values dialog of "&Startstil navne .." (F10): true when values were taken and the
// sheet must be recalculated.
bool SetStartValues(Document& doc, Ui& ui);

}  // namespace ravnelok
