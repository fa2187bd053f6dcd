#pragma once

namespace ravnelok {

class Document;
class Ui;

// "&Udskriv": the print dialog, the name box, then the printout. Cancelling the print dialog
// prints nothing; cancelling the name box prints without a name.
void PrintCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
