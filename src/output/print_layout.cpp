#include "output/print_layout.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "graphics/canvas.h"
#include "graphics/render.h"
#include "output/text_export.h"

namespace ravnelok {

namespace {

constexpr int kLeft = 250;       // x0: the left edge of every text
constexpr int kTopMargin = 100;  // where the text starts on a page, and what is kept free below

std::string Fitted(std::string_view text, int n) {
  std::string out(text.substr(0, static_cast<std::size_t>(n)));
  out.resize(static_cast<std::size_t>(n), ' ');
  return out;
}

int Length(const std::string& text) {
  return static_cast<int>(text.size());
}

// The running text position: the current line's top and the page it is on.
class Writer {
 public:
  Writer(PrintTarget& target, int y) : target_(target), cv_(target.PageCanvas()), y_(y) {
    cv_.SetFont(Font{"Courier New", 10});
    cv_.SetBrush(Brush{BrushStyle::kClear, colors::kWhite});
    cw_ = cv_.TextWidth("H");
    lh_ = cv_.TextHeight("7") + 3;
  }

  Canvas& cv() { return cv_; }
  int cw() const { return cw_; }
  int lh() const { return lh_; }
  int& y() { return y_; }

  // One line further down, on a new page when this one is full.
  void Down() {
    y_ += lh_;
    if (y_ + kTopMargin > target_.PageHeight()) NewPage();
  }
  void NewPage() {
    target_.NewPage();
    y_ = kTopMargin;
  }
  // Text at `column` character widths from the left edge, on the current line.
  void Write(int column, const std::string& text) { cv_.TextOut(kLeft + column * cw_, y_, text); }
  // A rule in a pen of width 2 at the current height, `columns` characters long.
  void Rule(int columns) {
    Pen pen = cv_.pen();
    pen.width = 2;
    cv_.SetPen(pen);
    cv_.MoveTo(kLeft, y_);
    cv_.LineTo(kLeft + columns * cw_, y_);
  }

 private:
  PrintTarget& target_;
  Canvas& cv_;
  int cw_ = 0;
  int lh_ = 0;
  int y_ = 0;
};

void PrintName(Writer& w, const std::string& name) {
  Canvas& cv = w.cv();
  w.Write(0, name);
  // The graph may have left a coloured or dotted pen behind.
  cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, 4});
  if (name.empty()) return;
  cv.Rectangle(kLeft - w.cw(), w.y() - 8, kLeft + (Length(name) + 1) * w.cw() + 4,
               w.y() + w.lh() + 8);
}

void PrintLines(Document& doc, Writer& w) {
  const TextGrid& sheet = doc.sheet;
  const int width = ExpressionWidth(doc);
  w.y() += 3 * w.lh();
  w.Write(0, "T*");
  w.Write(9, doc.texts[TextId::kHeaderName]);
  w.Write(18, doc.texts[TextId::kHeaderExpression]);
  w.Write(width + 21, doc.texts[TextId::kHeaderValue]);
  w.Write(width + 32, doc.texts[TextId::kHeaderUnit]);
  w.y() += w.lh() + 4;
  w.Rule(width + 37);
  w.y() -= w.lh() - 8;

  const int last = LastUsedLine(doc);
  for (int k = 1; k <= last; ++k) {
    w.Down();
    w.Write(0, sheet.Cell(Document::kTableMark, k) + sheet.Cell(Document::kFixedMark, k));
    w.Write(3, sheet.Cell(Document::kLabel, k));
    w.Write(9, Fitted(sheet.Cell(Document::kName, k), 8));
    std::string_view expression = sheet.Cell(Document::kExpression, k);
    w.Write(18, Fitted(expression, width));
    w.Write(width + 21, Fitted(sheet.Cell(Document::kValue, k), 12));
    w.Write(width + 32, Fitted(sheet.Cell(Document::kUnit, k), 8));
    while (expression.size() > static_cast<std::size_t>(width)) {
      expression.remove_prefix(static_cast<std::size_t>(width));
      w.Down();
      w.Write(18, Fitted(expression, width));
    }
  }
}

void PrintTable(const Document& doc, Writer& w, int page_height) {
  const std::vector<int> widths = TableColumnWidths(doc);
  const std::string header = TableHeaderText(doc, widths);
  w.y() += 3 * w.lh();
  // The header goes to a new page rather than stand there with fewer than five rows under it.
  if (w.y() + kTopMargin > page_height - 5 * w.lh()) w.NewPage();
  w.Write(0, header);
  w.y() += w.lh() + 4;
  w.Rule(Length(header));
  w.y() -= w.lh() - 6;
  for (int r = 1; r <= doc.settings.table_rows; ++r) {
    w.Down();
    w.Write(0, TableRowText(doc, widths, r));
  }
}

}  // namespace

int PrintScale(int page_width, int screen_width) {
  if (screen_width <= 0) return 1;
  // page / screen x 4/3 - 1/2 = (8 page - 3 screen) / (6 screen), rounded in whole numbers.
  const long long num = 8LL * page_width - 3LL * screen_width;
  const long long den = 6LL * screen_width;
  long long q = num / den;
  long long r = num % den;
  if (r < 0) {
    --q;
    r += den;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return static_cast<int>(std::max(q, 1LL));
}

void PrintSheet(Document& doc, PrintTarget& target, const PrintSetup& setup) {
  Canvas& cv = target.PageCanvas();
  const int s = PrintScale(target.PageWidth(), setup.screen_width);
  cv.SetBrush(Brush{BrushStyle::kClear, colors::kWhite});
  cv.SetPen(Pen{colors::kBlack, PenStyle::kSolid, s});
  int y = kTopMargin;
  if (doc.settings.graph_shown) {
    cv.Rectangle(0, 0, setup.graph_width * s, setup.graph_height * s);
    doc.graph.printing = true;
    // After a refused block the matrix holds refused or leftover numbers: the frame stays empty.
    if (doc.graph.data.drawn) DrawGraph(doc, cv, s);
    y = setup.graph_height * s + kTopMargin;
  }
  Writer w(target, y);
  PrintName(w, setup.name);
  PrintLines(doc, w);
  if (doc.settings.table_rows > 0) PrintTable(doc, w, target.PageHeight());
  doc.graph.printing = false;
}

}  // namespace ravnelok
