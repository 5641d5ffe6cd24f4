// Helpers shared by the widget tests.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

namespace mz::test {

// DejaVu Sans, loaded from its file by the test main.
QFont dejaVu(int pointSize);

inline bool isDark(QRgb c) {
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}
inline bool isReddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}
inline bool isBluish(QRgb c) {
    return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100;
}

// Number of pixels inside `r` for which `pred` holds.
template <class Pred> int countPixels(const QImage& img, const QRect& r, Pred pred) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.rect().contains(x, y) && pred(img.pixel(x, y)))
                ++n;
    return n;
}

} // namespace mz::test
