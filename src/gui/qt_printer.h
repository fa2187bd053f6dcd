#pragma once

#include <QPrinter>

#include "gui/qt_canvas.h"
#include "output/print_layout.h"

namespace ravnelok::gui {

// A print job on a QPrinter (a real printer or a PDF file, as the print dialog chose). The job
// begins with Begin() and ends, sending its pages off, when the object goes.
class QtPrintTarget : public PrintTarget {
 public:
  explicit QtPrintTarget(QPrinter* printer) : printer_(printer), canvas_(printer) {}

  bool Begin() { return canvas_.Begin(); }
  Canvas& PageCanvas() override { return canvas_; }
  // The printable area in the printer's pixels.
  int PageWidth() override { return printer_->width(); }
  int PageHeight() override { return printer_->height(); }
  void NewPage() override { canvas_.NewPage(); }

 private:
  QPrinter* printer_;
  QtCanvas canvas_;
};

}  // namespace ravnelok::gui
