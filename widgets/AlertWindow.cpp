#include "widgets/AlertWindow.h"

#include "platform/OpenDocument.h"
#include "widgets/DrawMarkup.h"
#include "widgets/ImageList.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QToolTip>

#include <stdexcept>

namespace mz {

namespace {

constexpr int kScrollStep = 4;
constexpr int kRepeatMs = 100;
constexpr int kMeasureExtent = 4096;

// A glyph without an alpha channel is transparent where it has the colour of
// its bottom-left pixel, as classic transparent bitmaps are.
QImage transparentGlyph(const QImage& glyph) {
    if (glyph.isNull() || glyph.hasAlphaChannel())
        return glyph;
    QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == key)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

// The disabled look: every pixel becomes the grey 128 + (r + g + b) / 3 / 2.
QImage greyed(const QImage& glyph) {
    if (glyph.isNull())
        return glyph;
    QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            const int g = 128 + (qRed(c) + qGreen(c) + qBlue(c)) / 3 / 2;
            out.setPixel(x, y, qRgba(g, g, g, qAlpha(c)));
        }
    return out;
}

} // namespace

TAlertWindow::TAlertWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(300, 100);
    look_.Font = font();
    scroller_.SetOnChange([this] { scrollOffset_ = 0; });
    repeat_.setInterval(kRepeatMs);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        if (pressed_[btnScrollUp])
            scrollStep(btnScrollUp);
        else if (pressed_[btnScrollDown])
            scrollStep(btnScrollDown);
        else
            repeat_.stop();
    });
}

TAlertWindow::~TAlertWindow() {
    if (OnDestroy)
        OnDestroy(this);
}

// Appearance ------------------------------------------------------------------

void TAlertWindow::SetAppearance(const TAlertAppearance& look) {
    const bool topChanged = look.AlwaysOnTop != look_.AlwaysOnTop;
    look_ = look;
    look_.GlyphPrev = transparentGlyph(look.GlyphPrev);
    look_.GlyphNext = transparentGlyph(look.GlyphNext);
    look_.GlyphDelete = transparentGlyph(look.GlyphDelete);
    look_.GlyphClose = transparentGlyph(look.GlyphClose);
    look_.GlyphPopup = transparentGlyph(look.GlyphPopup);
    makeGreyedGlyphs();
    if (topChanged) {
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, look_.AlwaysOnTop);
        if (shown)
            show();
    }
    update();
}

void TAlertWindow::SetColors(const TAlertColors& colors) {
    look_.Colors = colors;
    update();
}

void TAlertWindow::SetPositionFormat(const QString& format) {
    look_.PositionFormat = format;
    update();
}

void TAlertWindow::SetAutoDelete(bool on) {
    look_.AutoDelete = on;
    update();
}

void TAlertWindow::SetShowDelete(bool on) {
    look_.ShowDelete = on;
    update();
}

void TAlertWindow::SetShowPopup(bool on) {
    look_.ShowPopup = on;
    update();
}

void TAlertWindow::makeGreyedGlyphs() {
    greyPrev_ = greyed(look_.GlyphPrev);
    greyNext_ = greyed(look_.GlyphNext);
}

void TAlertWindow::SetAutoSize(bool on) {
    autoSize_ = on;
    RunAutoSize();
}

void TAlertWindow::RunAutoSize() {
    if (!autoSize_)
        return;
    const AlertLayout l = Layout();
    const QRect area(l.text.topLeft(), QSize(kMeasureExtent, kMeasureExtent));
    MarkupCanvas canvas = markupCanvas();
    MarkupOptions o = markupOptions();
    o.measureOnly = true;
    int w = 0;
    int h = 0;
    for (const QString& text : std::as_const(texts_)) {
        MarkupResult r;
        DrawMarkup(canvas, text, area, o, &r);
        w = std::max(w, r.width);
        h = std::max(h, r.height);
    }
    AlertAutoSizeInput in;
    in.measuredWidth = w;
    in.measuredHeight = h;
    in.hasImages = look_.Images != nullptr;
    in.imagesWidth = look_.Images ? look_.Images->width() : 0;
    in.imagesHeight = look_.Images ? look_.Images->height() : 0;
    in.marginX = look_.MarginX;
    in.marginY = look_.MarginY;
    in.scrollerVisible = scroller_.Visible();
    in.showPopup = look_.ShowPopup;
    in.showDelete = look_.ShowDelete;
    in.maxWidth = look_.MaxWidth;
    in.maxHeight = look_.MaxHeight;
    resize(computeAlertAutoSize(in));
}

// Messages ----------------------------------------------------------------------

void TAlertWindow::BeginUpdate() {
    ++updates_;
}

void TAlertWindow::EndUpdate() {
    if (updates_ > 0 && --updates_ == 0)
        messagesChanged();
}

void TAlertWindow::ClearMessages() {
    BeginUpdate();
    texts_.clear();
    images_.clear();
    collection_.Clear();
    EndUpdate();
}

void TAlertWindow::AddMessage(const QString& joinedText, int imageIndex) {
    SetMessage(MessageCount(), joinedText, imageIndex);
}

void TAlertWindow::SetMessage(int index, const QString& joinedText, int imageIndex) {
    if (index < 0 || index > MessageCount())
        throw std::out_of_range("Invalid Index");
    BeginUpdate();
    if (index == MessageCount()) {
        texts_.append(joinedText);
        images_.append(imageIndex);
    } else {
        texts_[index] = joinedText;
        images_[index] = imageIndex;
    }
    EndUpdate();
}

void TAlertWindow::DeleteMessage(int index) {
    if (index < 0 || index >= MessageCount())
        throw std::out_of_range("Invalid Index");
    BeginUpdate();
    texts_.removeAt(index);
    images_.removeAt(index);
    if (index < collection_.Count())
        collection_.Delete(index);
    EndUpdate();
}

void TAlertWindow::SetCurrentPosition(int position) {
    scroller_.SetPosition(position);
    update();
}

void TAlertWindow::messagesChanged() {
    const int count = MessageCount();
    scroller_.SetMax(count);
    if (count > 0) {
        scroller_.SetMin(1);
    } else {
        scroller_.SetMin(0);
        scroller_.SetPosition(0);
        scroller_.SetMax(0);
        if (!autoHideInProgress_)
            CloseAlert();
    }
    if (scroller_.Position() == 0 && scroller_.Min() > 0)
        scroller_.SetPosition(scroller_.Min());
    // A position past the end (after a delete) falls back to the last message.
    if (scroller_.Position() > scroller_.Max())
        scroller_.SetPosition(scroller_.Max());
    scroller_.SetVisible(count > 1);
    update();
}

// Placement and closing -----------------------------------------------------------

void TAlertWindow::SetPopupPos(int left, int top) {
    placed_ = true;
    move(left, top);
}

void TAlertWindow::CloseAlert() {
    if (!isVisible() && !look_.AlwaysOnTop)
        return;
    bool canClose = true;
    if (OnCanClose)
        OnCanClose(this, canClose);
    if (!canClose)
        return;
    hide();
    if (OnClose)
        OnClose(this);
}

// Geometry ------------------------------------------------------------------------

int TAlertWindow::positionTextWidth() const {
    const QFontMetrics fm(look_.Font, const_cast<TAlertWindow*>(this));
    return fm.horizontalAdvance(formatPosition(look_.PositionFormat, scroller_.Max() - 1, scroller_.Max()));
}

AlertLayout TAlertWindow::Layout() const {
    AlertLayoutInput in;
    in.width = width();
    in.height = height();
    in.hasImages = look_.Images != nullptr;
    in.imagesWidth = look_.Images ? look_.Images->width() : 0;
    in.marginX = look_.MarginX;
    in.marginY = look_.MarginY;
    in.showDelete = look_.ShowDelete;
    in.messageCount = MessageCount();
    in.scrollerVisible = scroller_.Visible();
    in.positionTextWidth = positionTextWidth();
    return computeAlertLayout(in);
}

int TAlertWindow::measureCurrent() const {
    const int index = scroller_.Position() - 1;
    if (index < 0 || index >= MessageCount())
        return 0;
    const QRect text = Layout().text;
    MarkupCanvas canvas = markupCanvas();
    MarkupOptions o = markupOptions();
    o.measureOnly = true;
    MarkupResult r;
    DrawMarkup(canvas, texts_[index], QRect(text.left(), text.top(), text.width(), kMeasureExtent), o, &r);
    return r.height;
}

void TAlertWindow::updateScrollState() {
    canScrollUp_ = false;
    canScrollDown_ = false;
    messageHeight_ = measureCurrent();
    const int areaHeight = Layout().text.height();
    if (areaHeight < messageHeight_ && look_.ShowScrollers) {
        canScrollDown_ = messageHeight_ > areaHeight + scrollOffset_;
        canScrollUp_ = scrollOffset_ > 0;
    }
}

// Mouse -----------------------------------------------------------------------------

QString TAlertWindow::hint(Button b) const {
    switch (b) {
    case btnClose:
        return look_.HintCloseBtn;
    case btnPrev:
        return look_.HintPrevBtn;
    case btnNext:
        return look_.HintNextBtn;
    case btnDelete:
        return look_.HintDeleteBtn;
    case btnPopup:
        return look_.HintPopupBtn;
    default:
        return {};
    }
}

bool TAlertWindow::buttonShown(Button b) const {
    switch (b) {
    case btnPrev:
        return scroller_.CanGoBack() && scroller_.Visible();
    case btnNext:
        return scroller_.CanGoForward() && scroller_.Visible();
    case btnDelete:
        return look_.ShowDelete && MessageCount() > 0;
    case btnPopup:
        return look_.ShowPopup;
    case btnScrollUp:
        return canScrollUp_;
    case btnScrollDown:
        return canScrollDown_;
    default:
        return true;
    }
}

// A press only counts on a button that is there: the navigation buttons with
// more than one message, the others while they are shown. (A press where a
// hidden button would be belongs to the text under it.)
bool TAlertWindow::buttonPressable(Button b) const {
    switch (b) {
    case btnPrev:
    case btnNext:
        return MessageCount() > 1;
    default:
        return buttonShown(b);
    }
}

static QRect buttonRect(const AlertLayout& l, TAlertWindow::Button b) {
    switch (b) {
    case TAlertWindow::btnClose:
        return l.close;
    case TAlertWindow::btnPrev:
        return l.prev;
    case TAlertWindow::btnNext:
        return l.next;
    case TAlertWindow::btnDelete:
        return l.del;
    case TAlertWindow::btnPopup:
        return l.popup;
    case TAlertWindow::btnScrollUp:
        return l.scrollUp;
    case TAlertWindow::btnScrollDown:
        return l.scrollDown;
    default:
        return {};
    }
}

void TAlertWindow::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    // A press on a link is a click on it (the classic popup saw it when the
    // press gave it the focus, which it handed back at once).
    linkClick(pos);
    const AlertLayout l = Layout();
    if (l.caption.contains(pos)) {
        pressPoint_ = pos;
        dragging_ = true;
        return;
    }
    dragging_ = false;
    for (int i = 0; i < btnCount; ++i) {
        const auto b = static_cast<Button>(i);
        if (buttonPressable(b) && buttonRect(l, b).contains(pos)) {
            pressed_[b] = true;
            repaint(buttonRect(l, b));
            if (b == btnScrollUp || b == btnScrollDown)
                repeat_.start();
        }
    }
}

void TAlertWindow::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    linkHover(pos);
    if (OnMouseMove)
        OnMouseMove(this);
    if (dragging_) {
        if (e->buttons() & Qt::LeftButton) {
            move(e->globalPosition().toPoint() - pressPoint_);
            placed_ = true;
            if (look_.AlwaysOnTop)
                raise();
        }
        return;
    }
    const AlertLayout l = Layout();
    for (int i = 0; i < btnCount; ++i) {
        const auto b = static_cast<Button>(i);
        const QRect r = buttonRect(l, b);
        const bool inside = buttonShown(b) && r.contains(pos);
        if (inside && !hot_[b]) {
            hot_[b] = true;
            repaint(r);
            const QString h = hint(b);
            if (!h.isEmpty()) {
                setToolTip(h);
                QToolTip::hideText();
            }
        } else if (!inside && (hot_[b] || pressed_[b])) {
            hot_[b] = false;
            pressed_[b] = false;
            repaint(r);
            if (!hint(b).isEmpty() && toolTip() == hint(b))
                setToolTip(QString());
        }
    }
}

void TAlertWindow::mouseReleaseEvent(QMouseEvent*) {
    repeat_.stop();
    if (dragging_) {
        dragging_ = false;
        if (OnWindowMoved)
            OnWindowMoved(this);
        return;
    }
    const int current = scroller_.Position() - 1;
    if (pressed_[btnClose]) {
        pressed_[btnClose] = false;
        if (look_.AutoDelete && current >= 0 && current < MessageCount()) {
            if (OnDeleteMessage)
                OnDeleteMessage(this, current);
            else
                DeleteMessage(current);
        }
        CloseAlert();
    } else if (pressed_[btnPrev]) {
        pressed_[btnPrev] = false;
        scrollOffset_ = 0;
        const bool back = scroller_.CanGoBack();
        if (back)
            scroller_.SetPosition(scroller_.Position() - 1);
        update();
        if (back && OnPrevMessage)
            OnPrevMessage(this);
    } else if (pressed_[btnNext]) {
        pressed_[btnNext] = false;
        scrollOffset_ = 0;
        const bool forward = scroller_.CanGoForward();
        if (forward)
            scroller_.SetPosition(scroller_.Position() + 1);
        update();
        if (forward && OnNextMessage)
            OnNextMessage(this);
    } else if (pressed_[btnDelete]) {
        pressed_[btnDelete] = false;
        scrollOffset_ = 0;
        if (current >= 0 && current < MessageCount()) {
            if (OnDeleteMessage)
                OnDeleteMessage(this, current);
            else
                DeleteMessage(current);
        }
        update();
    } else if (pressed_[btnPopup]) {
        pressed_[btnPopup] = false;
        repaint();
        const QRect r = Layout().popup;
        const QPoint at(x() + r.left() + r.width(), y() + r.top());
        if (OnPopupbtnClick)
            OnPopupbtnClick(this, at);
    } else if (pressed_[btnScrollUp]) {
        pressed_[btnScrollUp] = false;
        scrollStep(btnScrollUp);
    } else if (pressed_[btnScrollDown]) {
        pressed_[btnScrollDown] = false;
        scrollStep(btnScrollDown);
    } else if (OnAlertClick) {
        OnAlertClick(this);
    }
}

void TAlertWindow::scrollStep(Button b) {
    if (b == btnScrollUp) {
        if (canScrollUp_ && scrollOffset_ > kScrollStep - 1)
            scrollOffset_ -= kScrollStep;
    } else if (canScrollDown_ && scrollOffset_ + Layout().text.height() < messageHeight_ + kScrollStep) {
        scrollOffset_ += kScrollStep;
    }
    updateScrollState();
    update();
}

void TAlertWindow::clearButtons() {
    hot_.fill(false);
    pressed_.fill(false);
}

void TAlertWindow::leaveEvent(QEvent*) {
    dragging_ = false;
    repeat_.stop();
    clearButtons();
    repaint();
    setToolTip(QString());
    if (OnMouseLeave)
        OnMouseLeave(this);
}

// Links -----------------------------------------------------------------------------

MarkupCanvas TAlertWindow::markupCanvas() const {
    MarkupCanvas canvas;
    canvas.device = this;
    canvas.font = look_.Font;
    canvas.fontColor = look_.FontColor;
    return canvas;
}

MarkupOptions TAlertWindow::markupOptions() const {
    // Measuring, hit-testing and drawing lay the text out alike.
    MarkupOptions o;
    o.linkColor = look_.URLColor;
    o.hoverStyle = look_.Hover;
    o.hoverLink = hoverLink_;
    o.images = look_.Images;
    o.pictures = look_.Pictures;
    o.shadowColor = clGray;
    return o;
}

bool TAlertWindow::hitTest(const QPoint& pos, QString* anchor, int* link, QRect* rect) const {
    const int index = scroller_.Position() - 1;
    if (index < 0 || index >= MessageCount())
        return false;
    QRect area = Layout().text;
    if (scrollOffset_ > 0)
        area.setBottom(area.bottom() + 1000);
    MarkupCanvas canvas = markupCanvas();
    MarkupOptions o = markupOptions();
    o.hitTest = true;
    o.point = QPoint(pos.x(), pos.y() + scrollOffset_);
    MarkupResult r;
    if (!DrawMarkup(canvas, texts_[index], area, o, &r))
        return false;
    *anchor = r.anchor;
    *link = r.hitLink;
    *rect = r.hitRect.translated(0, -scrollOffset_);
    return true;
}

void TAlertWindow::linkHover(const QPoint& pos) {
    QString anchor;
    int link = -1;
    QRect rect;
    if (hitTest(pos, &anchor, &link, &rect)) {
        setCursor(Qt::PointingHandCursor);
        if (link != hoverLink_ && look_.Hover) {
            if (hoverLink_ >= 0)
                update(hoverRect_);
            update(rect);
        }
        hoverLink_ = link;
        hoverRect_ = rect;
        return;
    }
    setCursor(Qt::ArrowCursor);
    if (hoverLink_ >= 0 && look_.Hover)
        update(hoverRect_);
    hoverLink_ = -1;
}

void TAlertWindow::linkClick(const QPoint& pos) {
    QString anchor;
    int link = -1;
    QRect rect;
    if (!hitTest(pos, &anchor, &link, &rect))
        return;
    if (OnAnchorClick)
        OnAnchorClick(this, anchor, scroller_.Position() - 1);
    else
        openDocument(anchor);
    if (hoverLink_ >= 0 && look_.Hover)
        update(hoverRect_);
}

} // namespace mz
