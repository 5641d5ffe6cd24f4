#include "widgets/Drawing.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace mz {

namespace {

int roundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

GradientBand gradientBand(const QColor& c1, const QColor& c2, int start, int extent, int i, int n) {
    if (n <= 0)
        n = 1;
    auto channel = [&](int a, int b) { return a + roundEven(static_cast<double>(i) * (b - a) / n); };
    GradientBand band;
    band.from = start + roundEven(static_cast<double>(i) * extent / n);
    band.to = band.from + roundEven(static_cast<double>(extent) / n) + 1;
    band.color =
        QColor(channel(c1.red(), c2.red()), channel(c1.green(), c2.green()), channel(c1.blue(), c2.blue()));
    return band;
}

void drawGradient(QPainter& p, const QRect& r, TColor from, TColor to, int bands, bool vertical) {
    if (bands <= 0)
        bands = 1;
    const QColor c1 = toQColor(from);
    const QColor c2 = toQColor(to);
    if (!c1.isValid() || !c2.isValid())
        return;
    for (int i = 0; i < bands; ++i) {
        if (vertical) {
            const GradientBand b = gradientBand(c1, c2, r.top(), r.height(), i, bands);
            p.fillRect(QRect(r.left(), b.from, r.width(), b.to - b.from), b.color);
        } else {
            const GradientBand b = gradientBand(c1, c2, r.left(), r.width(), i, bands);
            p.fillRect(QRect(b.from, r.top(), b.to - b.from, r.height()), b.color);
        }
    }
}

void frameRect(QPainter& p, const QRect& r, const QColor& color) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

void plotLine(QPainter& p, int x0, int y0, int x1, int y1, const QColor& color) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        p.fillRect(QRect(x0, y0, 1, 1), color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace mz
