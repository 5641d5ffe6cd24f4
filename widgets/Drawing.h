// Drawing primitives of the alert window: banded gradients, one-pixel frames
// and lines whose end point is left out.
//
// A gradient from c1 to c2 over a rectangle in n bands (n = 0 counts as 1):
// both colours are resolved to RGB; band i (0 to n - 1) has, for each of red,
// green and blue, c1 + round(i * (c2 - c1) / n) and covers the rows from
// top + round(i * height / n) to that value + round(height / n) + 1
// (exclusive), across the full width. Rounding is to the nearest integer with
// halves to even. Bands overlap by a row and the last one may reach a row past
// the rectangle; later bands paint over earlier ones. The horizontal form does
// the same with columns.
//
// Rectangles exclude their right and bottom edges. User-interface thread.
#pragma once

#include "widgets/Colors.h"

#include <QRect>

class QPainter;

namespace mz {

struct GradientBand {
    int from; // first row (or column)
    int to;   // one past the last
    QColor color;
};

// Band i of n over the span [start, start + extent).
GradientBand gradientBand(const QColor& c1, const QColor& c2, int start, int extent, int i, int n);

void drawGradient(QPainter& p, const QRect& r, TColor c1, TColor c2, int bands, bool vertical = true);

// Frames a rectangle with one-pixel lines along its four inner edges.
void frameRect(QPainter& p, const QRect& r, const QColor& color);

// A one-pixel line from (x0, y0) towards (x1, y1), the end point left out, as
// a classic line-drawing call plots it (Bresenham, no antialiasing).
void plotLine(QPainter& p, int x0, int y0, int x1, int y1, const QColor& color);

} // namespace mz
