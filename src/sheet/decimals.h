#pragma once

#include <string>

#include "numbers/real.h"

namespace ravnelok {

class Document;
class Ui;

// The text of a value or table cell for v with line k's decimals.
std::string FormatLineValue(const Document& doc, Real v, int k);

// Every line with a value shows its record value with its decimals again.
void RedisplayValues(Document& doc);
// The table entries of line k are shown with line k's decimals again.
void RedisplayTableEntries(Document& doc, int k);

// The tool buttons "Vis flere decimaler " and "Vis færre decimaler ".
void MoreDecimals(Document& doc);
void FewerDecimals(Document& doc);
// The menu item "Antal viste &decimaler ..".
void DecimalsDialogCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
