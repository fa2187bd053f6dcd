#pragma once

#include <string>
#include <vector>

#include "app/calc_options.h"
#include "document/ui.h"

namespace ravnelok {

class Canvas;
class Document;
struct PrintSetup;

// What draws pictures and printouts for the command line: the render program has one, built
// on the desktop program's Qt painting. `ravnelok-calc` itself has none, so that it never loads
// Qt; it hands runs that need one (NeedsPainter) over to the render program.
class CalcPainter {
 public:
  virtual ~CalcPainter() = default;
  // The graph bitmap's canvas, sized doc.graph.bitmap_width x bitmap_height.
  virtual Canvas* GraphCanvas() = 0;
  virtual bool WriteGraphPicture(Document& doc, const std::string& path, PictureFormat format) = 0;
  // Prints into a PDF file as the print dialog's PDF printer would; `setup` has the name.
  virtual bool WritePdf(Document& doc, const std::string& path, PrintSetup setup) = 0;
};

// The whole command-line run: standard output and standard error are collected in `out` and
// `err`; the result is the exit status. Pictures and PDF files need a painter.
int RunCalc(const std::vector<std::string>& args, std::string& out, std::string& err);
// The same on a new document of the caller's.
int RunCalc(const std::vector<std::string>& args, Document& doc, std::string& out, std::string& err,
            CalcPainter* painter = nullptr);

// Writes what a run produced to standard output and standard error and gives the exit status:
// output that did not arrive turns success into a refusal.
int FinishCalc(int status, const std::string& out, std::string err);

}  // namespace ravnelok
