#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// Whether line k refers to itself by name or label as a whole word.
bool IsSelfReferring(const Document& doc, int k);
// "&Startstil navne .." (F10).
void StartValuesCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
