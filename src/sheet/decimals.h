#pragma once

namespace ravnelok {

class Document;
class Ui;

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
