// The alert popup window.
//
// A frameless tool window without a task-bar entry that shows one message at
// a time in the markup of DrawMarkup.h, with a caption strip that serves as a
// drag grip, a close button, scroll arrows for a text taller than its area
// and, with more than one message, a navigation strip (previous, position
// text, next), plus optional delete and menu buttons. It never takes the
// keyboard focus. The alert window component (FadeAlertWindow.h) creates it,
// copies its appearance and messages into it, places it, fades it and reacts
// to its events; the popup itself never hides on a timer.
//
// Painting, in order: the optional custom-paint handler; the background
// gradient (80 bands, the current message's own colours when it has them);
// the border; the background picture; the caption strip (16 bands) with its
// grip dots; the close button; the icon and the text clipped to the text
// area; the scroll arrows; the navigation strip; the delete and menu buttons.
//
// Mouse: a press on the caption strip starts a drag that keeps the press
// point under the mouse; its release reports OnWindowMoved. A press elsewhere
// marks the button under it as pressed, and its release acts only if the
// mouse is still on that button (leaving a button clears its pressed state).
// A press on a link reports OnAnchorClick (or opens the link when nobody
// listens). Holding a scroll arrow repeats its 4-pixel step every 100 ms.
//
// Events are plain callbacks; the popup never deletes itself. Owned by its
// Qt parent (the host's window) when it has one, else by whoever created it.
// User-interface thread only.
#pragma once

#include "widgets/AlertLayout.h"
#include "widgets/AlertTypes.h"
#include "widgets/DrawMarkup.h"
#include "widgets/MsgCollection.h"
#include "widgets/MsgScroller.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <array>
#include <functional>

class QMenu;

namespace mz {

class TAlertWindow : public QWidget {
    Q_OBJECT

public:
    enum Button { btnClose, btnPrev, btnNext, btnDelete, btnPopup, btnScrollUp, btnScrollDown, btnCount };

    using TNotifyEvent = std::function<void(TAlertWindow* sender)>;
    using TAnchorClickEvent = std::function<void(TAlertWindow* sender, const QString& anchor, int index)>;
    using TIndexEvent = std::function<void(TAlertWindow* sender, int index)>;
    using TCanCloseEvent = std::function<void(TAlertWindow* sender, bool& canClose)>;
    using TPointEvent = std::function<void(TAlertWindow* sender, const QPoint& screenPoint)>;
    using TCustomPaintEvent =
        std::function<void(TAlertWindow* sender, QPainter& canvas, const QRect& rect, bool& defaultDraw)>;

    explicit TAlertWindow(QWidget* owner = nullptr);
    ~TAlertWindow() override;

    // Appearance ---------------------------------------------------------
    const TAlertAppearance& Appearance() const { return look_; }
    // Takes every appearance value at once and repaints; does not re-run the
    // auto size (set AutoSize for that).
    void SetAppearance(const TAlertAppearance& look);
    void SetColors(const TAlertColors& colors);
    void SetPositionFormat(const QString& format);
    void SetAutoDelete(bool on);
    void SetShowDelete(bool on);
    void SetShowPopup(bool on);
    // Its own countdown is always off; the component runs the countdown.
    bool AutoHide() const { return false; }

    bool AutoSize() const { return autoSize_; }
    // Setting it on sizes the popup to its messages at once.
    void SetAutoSize(bool on);
    void RunAutoSize();

    // Messages -------------------------------------------------------------
    // Changes between BeginUpdate and EndUpdate are taken as one: EndUpdate
    // updates the position (the first message becomes current when there was
    // none; a popup left without messages closes) and repaints.
    void BeginUpdate();
    void EndUpdate();
    void ClearMessages();
    void AddMessage(const QString& joinedText, int imageIndex);
    // Replaces the message at `index`, or appends it when index == count.
    void SetMessage(int index, const QString& joinedText, int imageIndex);
    int MessageCount() const { return static_cast<int>(texts_.size()); }
    QString MessageText(int index) const { return texts_.value(index); }
    TMsgCollection& Messages() { return collection_; }
    // Throws std::out_of_range("Invalid Index") for an index outside the list.
    void DeleteMessage(int index);

    const TMsgScroller& Scroller() const { return scroller_; }
    // 1-based; 0 when there is no message.
    int CurrentPosition() const { return scroller_.Position(); }
    void SetCurrentPosition(int position);

    // Placement ------------------------------------------------------------
    // Moves the popup; Left() and Top() read -1 until this first happens.
    void SetPopupPos(int left, int top);
    int Left() const { return placed_ ? x() : -1; }
    int Top() const { return placed_ ? y() : -1; }
    bool Placed() const { return placed_; }

    // Hides at once (no fade) when visible or always on top and OnCanClose agrees.
    void CloseAlert();
    void SetAutoHideInProgress(bool on) { autoHideInProgress_ = on; }

    // Paints the whole popup onto `p` (the paint event uses it too).
    void Paint(QPainter& p);
    AlertLayout Layout() const;

    // State for observers and tests.
    bool ButtonHot(Button b) const { return hot_[b]; }
    bool ButtonPressed(Button b) const { return pressed_[b]; }
    int ScrollOffset() const { return scrollOffset_; }
    bool CanScrollUp() const { return canScrollUp_; }
    bool CanScrollDown() const { return canScrollDown_; }
    int HoverLink() const { return hoverLink_; }
    bool Dragging() const { return dragging_; }

    // Events -----------------------------------------------------------------
    TNotifyEvent OnAlertClick;
    TAnchorClickEvent OnAnchorClick;
    TIndexEvent OnDeleteMessage;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnMouseMove;
    TNotifyEvent OnWindowMoved;
    TNotifyEvent OnClose;
    TCanCloseEvent OnCanClose;
    TNotifyEvent OnNextMessage;
    TNotifyEvent OnPrevMessage;
    TPointEvent OnPopupbtnClick;
    TCustomPaintEvent OnCustomPaint;
    TNotifyEvent OnDestroy;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void messagesChanged();
    int positionTextWidth() const;
    // Height of the current message measured in a 4096-pixel-high text area.
    int measureCurrent() const;
    // The canvas and options every use of the renderer starts from.
    MarkupCanvas markupCanvas() const;
    MarkupOptions markupOptions() const;
    // Whether the current message can scroll either way at the present
    // offset; painting and every scroll step decide it afresh.
    void updateScrollState();
    bool buttonShown(Button b) const;
    bool buttonPressable(Button b) const;
    void paintButton(QPainter& p, Button b, const QRect& r);
    void paintGlyph(QPainter& p, Button b, const QRect& r);
    QString hint(Button b) const;
    void scrollStep(Button b);
    void linkHover(const QPoint& pos);
    void linkClick(const QPoint& pos);
    bool hitTest(const QPoint& pos, QString* anchor, int* link, QRect* rect) const;
    void clearButtons();
    void makeGreyedGlyphs();

    TAlertAppearance look_;
    bool autoSize_ = false;
    QStringList texts_;
    QVector<int> images_;
    TMsgCollection collection_;
    TMsgScroller scroller_;
    int updates_ = 0;

    std::array<bool, btnCount> hot_{};
    std::array<bool, btnCount> pressed_{};
    bool dragging_ = false;
    QPoint pressPoint_;
    int scrollOffset_ = 0;
    bool canScrollUp_ = false;
    bool canScrollDown_ = false;
    int messageHeight_ = 0;
    int hoverLink_ = -1;
    QRect hoverRect_;
    bool autoHideInProgress_ = false;
    bool placed_ = false;
    QTimer repeat_;
    QImage greyPrev_;
    QImage greyNext_;
};

} // namespace mz
