#pragma once

#include <string>
#include <vector>

#include "graphics/canvas.h"

namespace ravnelok {

// A canvas that draws nothing and remembers every call with the pen, brush and font in force,
// so that tests can check coordinates and texts. Its text metric is fixed: every character is
// kCharWidth pixels wide and every text kTextHeight pixels high.
class RecordingCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kTextHeight = 8;

  enum class Op { kMoveTo, kLineTo, kRectangle, kEllipse, kPolyline, kTextOut };

  struct Call {
    Op op;
    // MoveTo: (x1, y1). LineTo: from (x1, y1) to (x2, y2). Rectangle, Ellipse: the corners as
    // given. TextOut: the top-left corner (x1, y1).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<Point> points;  // Polyline
    std::string text;           // TextOut
    Pen pen;
    Brush brush;
    Font font;
  };

  void Rectangle(int x1, int y1, int x2, int y2) override {
    Record(Op::kRectangle, x1, y1, x2, y2);
  }
  void Ellipse(int x1, int y1, int x2, int y2) override { Record(Op::kEllipse, x1, y1, x2, y2); }
  void Polyline(const std::vector<Point>& points) override {
    Record(Op::kPolyline, 0, 0, 0, 0).points = points;
  }
  void TextOut(int x, int y, const std::string& text) override {
    Record(Op::kTextOut, x, y, 0, 0).text = text;
  }
  int TextWidth(const std::string& text) override {
    return kCharWidth * static_cast<int>(text.size());
  }
  int TextHeight(const std::string&) override { return kTextHeight; }

  // The calls of one kind, in order.
  std::vector<Call> Calls(Op op) const {
    std::vector<Call> out;
    for (const Call& c : calls) {
      if (c.op == op) out.push_back(c);
    }
    return out;
  }
  // The TextOut call that wrote exactly `text`, or nullptr.
  const Call* FindText(const std::string& text) const {
    for (const Call& c : calls) {
      if (c.op == Op::kTextOut && c.text == text) return &c;
    }
    return nullptr;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Call& c : calls) {
      if (c.op == Op::kTextOut) out.push_back(c.text);
    }
    return out;
  }

  std::vector<Call> calls;

 protected:
  void OnMoveTo(int x, int y) override { Record(Op::kMoveTo, x, y, 0, 0); }
  void DrawLine(Point from, Point to) override { Record(Op::kLineTo, from.x, from.y, to.x, to.y); }

 private:
  Call& Record(Op op, int x1, int y1, int x2, int y2) {
    calls.push_back(Call{op, x1, y1, x2, y2, {}, {}, pen(), brush(), font()});
    return calls.back();
  }
};

}  // namespace ravnelok
