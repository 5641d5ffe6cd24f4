#include "widgets/AlertLayout.h"

#include <algorithm>

namespace mz {

AlertLayout computeAlertLayout(const AlertLayoutInput& in) {
    const int w = in.width;
    const int h = in.height;
    const int cx = w / 2;
    const int pw = in.positionTextWidth + 8;
    const int iw = in.hasImages ? in.imagesWidth + 5 : 0;
    const int bs = in.showDelete || in.messageCount > 1 ? 25 : 0;

    AlertLayout l;
    l.caption = ltrb(1, 1, w - 1, 7);
    l.close = ltrb(w - 21, 8, w - 1, 28);
    l.icon = QPoint(5, 16);
    l.text = ltrb(iw + in.marginX, 20 + in.marginY, w - 20 - in.marginX, h - in.marginY - bs);
    l.prev = ltrb(cx - pw / 2 - 20, h - 26, cx - pw / 2, h - 1);
    l.next = ltrb(cx + pw / 2, h - 26, cx + pw / 2 + 20, h - 1);
    const int dx = in.scrollerVisible ? cx + pw / 2 + 20 : cx - 10;
    l.del = ltrb(dx, h - 26, dx + 20, h - 1);
    int px;
    if (in.showDelete)
        px = dx + 20 + 5;
    else if (in.scrollerVisible)
        px = cx + pw / 2 + 20 + 5;
    else
        px = cx - 10;
    l.popup = ltrb(px, h - 26, px + 20, h - 1);
    l.scrollUp = ltrb(w - 16, 32, w - 4, 44);
    l.scrollDown = ltrb(w - 16, h - 40, w - 4, h - 28);
    return l;
}

QSize computeAlertAutoSize(const AlertAutoSizeInput& in) {
    const int iw = in.hasImages ? in.imagesWidth + 5 : 0;
    const int ih = std::max(20, in.hasImages ? in.imagesHeight + 5 : 20);

    int minWidth = in.hasImages ? 10 + in.imagesWidth : 10;
    minWidth = in.scrollerVisible ? 145 : minWidth + 20;
    if (in.showPopup && in.showDelete)
        minWidth += 2 * 20 + 10;

    int minHeight;
    if (in.scrollerVisible || in.showDelete || in.showPopup)
        minHeight = 75;
    else
        minHeight = std::max(30, in.hasImages ? 10 + in.imagesHeight : 10);

    int width = std::max(minWidth, in.measuredWidth + iw + 2 * in.marginX + 20) + 16;
    int height =
        std::max(minHeight, in.measuredHeight + ih + 2 * in.marginY + (in.scrollerVisible ? 25 : 0)) + 16;
    if (in.maxWidth != 0 && in.maxWidth <= width)
        width = in.maxWidth;
    if (in.maxHeight != 0 && in.maxHeight <= height)
        height = in.maxHeight;
    return {width, height};
}

QString formatPosition(const QString& format, int position, int count) {
    QString out;
    out.reserve(format.size() + 8);
    int next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar c = format[i + 1];
            if (c == QLatin1Char('d') && next < 2) {
                out += QString::number(next++ == 0 ? position : count);
                ++i;
                continue;
            }
            if (c == QLatin1Char('%')) {
                out += QLatin1Char('%');
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

QPoint computePlacement(const AlertPlacementInput& in) {
    const int l = in.workArea.x();
    const int t = in.workArea.y();
    const int r = in.workArea.x() + in.workArea.width();
    const int b = in.workArea.y() + in.workArea.height();
    const int w = in.popup.width();
    const int h = in.popup.height();
    const int mx = in.screenMarginX;
    const int my = in.screenMarginY;
    switch (in.position) {
    case wpLeftTop:
        return {l + mx + 2, t + my};
    case wpRightTop:
        return {r - w - mx - 2, t + my};
    case wpLeftBottom:
        return {l + mx + 2, b - h - my};
    case wpRightBottom:
        return {r - w - mx - 2, b - h - my};
    case wpPreset:
        return in.preset;
    case wpCenter:
        return {(r - l - w - mx) / 2, (b - (t + h + my)) / 2};
    }
    return in.preset;
}

} // namespace mz
