#pragma once

#include <memory>
#include <string>

#include "document/ui.h"
#include "output/print_layout.h"

class QPrinter;

namespace ravnelok {
class Document;
}

namespace ravnelok::gui {

// The graph and the printout as files, drawn through the same Canvas code as the screen and the
// printer. The desktop program and the render program (the command line's) both use these.

// The current graph at the graph bitmap's size, as it shows there: PNG pixels equal the
// bitmap's, SVG holds the same lines and texts as vector paths and text. False when the file
// could not be written; an existing file is then left as it was.
bool WriteGraphPicture(Document& doc, const std::string& path, PictureFormat format);

// The printer the print dialog starts from, at the resolution its PDF printer writes.
std::unique_ptr<QPrinter> NewPrinter();

// The printout into an A4 PDF file through NewPrinter(), without a dialog. False when the file
// could not be written.
bool WritePdf(Document& doc, const std::string& path, const PrintSetup& setup);

}  // namespace ravnelok::gui
