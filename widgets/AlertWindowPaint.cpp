#include "widgets/AlertWindow.h"

#include "widgets/DrawMarkup.h"
#include "widgets/Drawing.h"
#include "widgets/ImageList.h"

#include <QFontMetrics>
#include <QPainter>

// Painting of the alert popup, in the order the popup's contract gives.

namespace mz {

namespace {

constexpr int kBackgroundBands = 80;
constexpr int kCaptionBands = 16;
constexpr int kButtonBands = 16;

// Text whose top-left corner is at (x, y).
void textAt(QPainter& p, int x, int y, const QString& s, const QColor& color) {
    p.setPen(color);
    p.drawText(x, y + QFontMetrics(p.font(), p.device()).ascent(), s);
}

} // namespace

// Painting ------------------------------------------------------------------------

void TAlertWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Paint(p);
}

void TAlertWindow::Paint(QPainter& p) {
    const int w = width();
    const int h = height();
    const QRect client(0, 0, w, h);
    if (OnCustomPaint) {
        bool defaultDraw = true;
        OnCustomPaint(this, p, client, defaultDraw);
        if (!defaultDraw)
            return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const TAlertColors& c = look_.Colors;
    const int index = scroller_.Position() - 1;
    const TMsgCollectionItem* item = collection_.Item(index);
    if (item && item->Color() != clNone)
        drawGradient(p, client, item->Color(), item->ColorTo() != clNone ? item->ColorTo() : item->Color(),
                     kBackgroundBands);
    else
        drawGradient(p, client, c.WindowColor, c.WindowColorTo, kBackgroundBands);
    frameRect(p, client, toQColor(c.BorderColor));
    if (!look_.Background.isNull())
        p.drawPixmap(0, 0, look_.Background);

    const AlertLayout l = Layout();
    drawGradient(p, ltrb(1, 1, w - 1, 7), c.CaptionColor, c.CaptionColorTo, kCaptionBands);
    const int g = (w - 34) / 2;
    const QColor dot = toQColor(c.CaptionColorTo);
    for (int k = 0; k <= 8; ++k) {
        p.fillRect(QRect(g + 1 + 4 * k, 3, 2, 2), Qt::white);
        p.fillRect(QRect(g + 4 * k, 2, 2, 2), Qt::black);
        p.fillRect(QRect(g + 1 + 4 * k, 3, 1, 1), dot);
    }

    paintButton(p, btnClose, l.close);

    updateScrollState();
    if (index >= 0 && index < MessageCount()) {
        if (look_.Images)
            look_.Images->draw(p, l.icon.x(), l.icon.y(), images_[index]);
        p.setFont(look_.Font);
        p.setClipRect(l.text);
        QRect area = l.text;
        if (l.text.height() < messageHeight_ && look_.ShowScrollers)
            area.setTop(area.top() - scrollOffset_);
        MarkupCanvas canvas = markupCanvas();
        canvas.device = nullptr;
        canvas.painter = &p;
        MarkupOptions o = markupOptions();
        o.shadowOffset = 1;
        o.blink = true;
        DrawMarkup(canvas, texts_[index], area, o);
        p.setClipping(false);
    }

    if (canScrollUp_)
        paintButton(p, btnScrollUp, l.scrollUp);
    if (canScrollDown_)
        paintButton(p, btnScrollDown, l.scrollDown);
    if (scroller_.Visible()) {
        paintButton(p, btnPrev, l.prev);
        p.setFont(look_.Font);
        const QFontMetrics fm(look_.Font, p.device());
        const QString pos = formatPosition(look_.PositionFormat, scroller_.Position(), scroller_.Max());
        textAt(p, w / 2 - fm.horizontalAdvance(pos) / 2, h - fm.height() - 5, pos, toQColor(look_.FontColor));
        paintButton(p, btnNext, l.next);
    }
    if (look_.ShowDelete && MessageCount() > 0)
        paintButton(p, btnDelete, l.del);
    if (look_.ShowPopup)
        paintButton(p, btnPopup, l.popup);
    p.restore();
}

void TAlertWindow::paintButton(QPainter& p, Button b, const QRect& r) {
    bool look = true;
    if (b == btnPrev)
        look = scroller_.CanGoBack();
    else if (b == btnNext)
        look = scroller_.CanGoForward();
    const TAlertColors& c = look_.Colors;
    const QRect shorter(r.left(), r.top(), r.width(), r.height() - 1);
    if (look && pressed_[b]) {
        drawGradient(p, shorter, c.BtnDownColor, c.BtnDownColorTo, kButtonBands);
        frameRect(p, r, Qt::black);
    } else if (look && hot_[b]) {
        drawGradient(p, shorter, c.BtnHoverColor, c.BtnHoverColorTo, kButtonBands);
        frameRect(p, r, Qt::black);
    }
    paintGlyph(p, b, r);
}

void TAlertWindow::paintGlyph(QPainter& p, Button b, const QRect& r) {
    const int l = r.left();
    const int t = r.top();
    const QImage* glyph = nullptr;
    switch (b) {
    case btnClose:
        glyph = &look_.GlyphClose;
        break;
    case btnPrev:
        glyph = scroller_.CanGoBack() ? &look_.GlyphPrev : &greyPrev_;
        break;
    case btnNext:
        glyph = scroller_.CanGoForward() ? &look_.GlyphNext : &greyNext_;
        break;
    case btnDelete:
        glyph = &look_.GlyphDelete;
        break;
    case btnPopup:
        glyph = &look_.GlyphPopup;
        break;
    default:
        break;
    }
    if (glyph && !glyph->isNull()) {
        const QRect target =
            b == btnClose ? ltrb(l + 2, t + 2, l + 18, t + 18) : ltrb(l + 2, t + 4, l + 18, t + 20);
        p.drawImage(target, *glyph);
        return;
    }

    const QColor black(0, 0, 0);
    switch (b) {
    case btnClose:
        // Two-pixel strokes; with the button at (W - 21, 8) these run from
        // (W - 15, 20) to (W - 7, 13) and so on.
        plotLine(p, l + 6, t + 12, l + 14, t + 5, black);
        plotLine(p, l + 7, t + 12, l + 13, t + 5, black);
        plotLine(p, l + 6, t + 6, l + 14, t + 13, black);
        plotLine(p, l + 7, t + 6, l + 13, t + 13, black);
        break;
    case btnDelete:
        plotLine(p, l + 6, t + 14, l + 14, t + 7, black);
        plotLine(p, l + 7, t + 14, l + 13, t + 7, black);
        plotLine(p, l + 6, t + 8, l + 14, t + 15, black);
        plotLine(p, l + 7, t + 8, l + 13, t + 15, black);
        break;
    case btnPrev:
    case btnNext: {
        const bool possible = b == btnPrev ? scroller_.CanGoBack() : scroller_.CanGoForward();
        const QColor color = possible ? black : toQColor(clGray);
        const QString s = b == btnPrev ? QStringLiteral("<") : QStringLiteral(">");
        p.setFont(look_.Font);
        textAt(p, l + 5, t + 6, s, color);
        textAt(p, l + 8, t + 6, s, color);
        break;
    }
    case btnPopup: {
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRect(l + 8 + i, t + 16 + i, 5 - 2 * i, 1), black);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPointSize(8);
        f.setBold(true);
        p.setFont(f);
        textAt(p, l + 5, t + 3, QStringLiteral(">"), black);
        textAt(p, l + 8, t + 3, QStringLiteral(">"), black);
        break;
    }
    case btnScrollUp:
    case btnScrollDown:
        for (int i = 0; i < 4; ++i) {
            const int row = b == btnScrollUp ? i : 3 - i;
            p.fillRect(QRect(l + 6 - i, t + 4 + row, 2 * i + 1, 1), black);
        }
        break;
    default:
        break;
    }
}

} // namespace mz
