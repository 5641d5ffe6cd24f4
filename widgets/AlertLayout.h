// Geometry of the alert popup: where its caption strip, buttons, icon and text
// area lie for a given size, the size the auto size gives a measured text,
// and where the component places the popup on the screen. Pure functions;
// any thread.
//
// Rectangles here exclude their right and bottom edges; they are returned as
// QRects covering exactly the pixels inside.
#pragma once

#include "widgets/AlertTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace mz {

struct AlertLayoutInput {
    int width = 300;
    int height = 100;
    bool hasImages = false;
    int imagesWidth = 0;
    int marginX = 4;
    int marginY = 1;
    bool showDelete = true;
    int messageCount = 0;
    bool scrollerVisible = false;
    // Width of the widest position text ("n - 1 of n") in the popup's font.
    int positionTextWidth = 0;
};

struct AlertLayout {
    QRect caption;
    QRect close;
    QPoint icon;
    QRect text;
    QRect prev;
    QRect next;
    QRect del;
    QRect popup;
    QRect scrollUp;
    QRect scrollDown;
};

// The rectangle from (left, top) to (right, bottom), right and bottom excluded.
inline QRect ltrb(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

AlertLayout computeAlertLayout(const AlertLayoutInput& in);

struct AlertAutoSizeInput {
    int measuredWidth = 0;  // widest message, as the renderer measures it
    int measuredHeight = 0; // tallest message
    bool hasImages = false;
    int imagesWidth = 0;
    int imagesHeight = 0;
    int marginX = 4;
    int marginY = 1;
    bool scrollerVisible = false;
    bool showPopup = false;
    bool showDelete = true;
    int maxWidth = 0; // 0: no bound
    int maxHeight = 0;
};

QSize computeAlertAutoSize(const AlertAutoSizeInput& in);

// The position text: each "%d" in turn takes the next number, "%%" is one
// "%", anything else stays as written. The format comes from the host's
// configuration, so it is never handed to a printf-style routine.
QString formatPosition(const QString& format, int position, int count);

struct AlertPlacementInput {
    TWindowPosition position = wpRightBottom;
    QRect workArea; // the primary screen's available area
    QSize popup;
    int screenMarginX = 0;
    int screenMarginY = 0;
    QPoint preset; // the stored preset position, used by wpPreset
};

// The popup's top-left corner. With R and B the work area's right and bottom
// edges (excluded), the corners keep the screen margin plus 2 pixels
// horizontally and the margin alone vertically; wpCenter centres on the work
// area's extent measured from the screen origin, not offset by its left and top.
QPoint computePlacement(const AlertPlacementInput& in);

} // namespace mz
