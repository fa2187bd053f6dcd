#pragma once

namespace ravnelok {

class Document;
class Ui;

// A request to close the main window: true when the user confirms.
bool ConfirmClose(Document& doc, Ui& ui);

}  // namespace ravnelok
