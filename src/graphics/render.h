#pragma once

#include "graphics/canvas.h"

namespace ravnelok {

class Document;
class Ui;

// Colour of y series j (1 for the matrix's column 1, ...): by j mod 5, 1 black, 2 blue, 3 red,
// 4 teal, 0 green.
Color SeriesColor(int j);

// A white field with a one-pixel black frame from (0, 1) to (width - 1, height - 1).
void BlankGraph(Canvas& canvas, int bitmap_width, int bitmap_height);

// Draws the current graph at the integer scale s (1 on screen, the printer's scale when
// doc.graph.printing). Adjusts the ranges first. Leaves the canvas's pen, brush and font
// changed.
void DrawGraph(Document& doc, Canvas& canvas, int scale);

// Blanks the graph bitmap, draws the current kind on it and has the graph area show it. Without
// a bitmap (headless) only the ranges are adjusted, so they are those a drawing would use.
void RenderGraph(Document& doc, Ui& ui);

}  // namespace ravnelok
