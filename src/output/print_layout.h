#pragma once

#include <string>

namespace ravnelok {

class Canvas;
class Document;

// Where a printout goes: the canvas of the current page, in the printer's pixels with (0, 0) at
// the top left of the printable area. The canvas stays the same object from page to page.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  virtual Canvas& PageCanvas() = 0;
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  // Ends the current page; drawing goes on on a fresh one.
  virtual void NewPage() = 0;
};

// What the printout takes from the screen and the user.
struct PrintSetup {
  std::string name;  // the user's name; empty for no name and no frame
  int screen_width = 0;
  int graph_width = 0;  // the graph area's current size in screen pixels
  int graph_height = 0;
};

// The graph's enlargement on the page: page width / screen width x 4/3 - 1/2 rounded to the
// nearest integer (ties to even), at least 1.
int PrintScale(int page_width, int screen_width);

// Prints the graph (when one is shown), the name in its frame, the sheet's lines under their
// header and the table (when it has rows), starting new pages as the lines run down.
void PrintSheet(Document& doc, PrintTarget& target, const PrintSetup& setup);

}  // namespace ravnelok
