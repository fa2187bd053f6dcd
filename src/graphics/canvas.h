#pragma once

#include <string>
#include <vector>

namespace ravnelok {

struct Color {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Color&) const = default;
};

namespace colors {
constexpr Color kBlack{0, 0, 0};
constexpr Color kWhite{255, 255, 255};
constexpr Color kSilver{192, 192, 192};
constexpr Color kBlue{0, 0, 255};
constexpr Color kRed{255, 0, 0};
constexpr Color kTeal{0, 128, 128};
constexpr Color kGreen{0, 128, 0};
}  // namespace colors

enum class PenStyle { kSolid, kDotted };
enum class BrushStyle { kSolid, kClear };

// Drawing always copies the pen's colour onto the canvas (no raster mixing).
struct Pen {
  Color color = colors::kBlack;
  PenStyle style = PenStyle::kSolid;
  int width = 1;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  BrushStyle style = BrushStyle::kSolid;
  Color color = colors::kWhite;
  bool operator==(const Brush&) const = default;
};

struct Font {
  std::string name = "arial";
  int size = 8;
  bool operator==(const Font&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Where the graph and the printout draw. The canvas keeps its pen, brush, font and pen
// position; an implementation reads them when it draws. Rectangles and ellipse boxes may come
// with their corners in any order: the box is normalised and its right and bottom edges are
// excluded, so (0, 0, 3, 2) covers columns 0..2 and rows 0..1.
class Canvas {
 public:
  virtual ~Canvas() = default;

  const Pen& pen() const { return pen_; }
  const Brush& brush() const { return brush_; }
  const Font& font() const { return font_; }
  void SetPen(const Pen& pen) { pen_ = pen; }
  void SetBrush(const Brush& brush) { brush_ = brush; }
  void SetFont(const Font& font) { font_ = font; }

  Point PenPos() const { return pos_; }
  void MoveTo(int x, int y) {
    pos_ = {x, y};
    OnMoveTo(x, y);
  }
  // A line in the pen from the pen position to (x, y), which becomes the pen position.
  void LineTo(int x, int y) {
    const Point from = pos_;
    pos_ = {x, y};
    DrawLine(from, pos_);
  }

  // Outline in the pen, filled with the brush.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Lines in the pen through the points in order; repeat the first point to close it.
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // Text in the font with its top-left corner at (x, y); the background is left alone.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;

 protected:
  virtual void OnMoveTo(int, int) {}
  virtual void DrawLine(Point from, Point to) = 0;

 private:
  Pen pen_;
  Brush brush_;
  Font font_;
  Point pos_;
};

}  // namespace ravnelok
