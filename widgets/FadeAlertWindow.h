// The alert window component.
//
// A non-visual component that owns a list of messages (AlertMessages) and
// shows them in a TAlertWindow popup near a corner of the primary screen's
// work area. Show fades the popup in on a TFadeThread, keeps it for
// DisplayTime milliseconds counted by a 10 ms tick, then fades it out and
// hides it. Moving the mouse over the popup makes it fully opaque and holds
// the countdown until the mouse leaves; it then shows at AlphaEnd for a whole
// DisplayTime again. Show while the popup is showing refreshes it in place;
// Show during a fade-out turns it into a new fade-in. The popup's position
// can be kept in the per-user store (LoadPosition, SavePosition).
//
// States: hidden; fading in (the countdown waits for the fade to end);
// shown (countdown running when AutoHide); hovered (no fade, no countdown,
// opaque); fading out (then hidden). The close button hides the popup at
// once but leaves the countdown running; its expiry then fades the hidden
// popup out and raises OnAutoHide.
//
// Threads: everything runs on the user-interface thread except the fade
// workers, which only hand opacity steps to this thread and poll two atomic
// flags. A stopped fade ends at its next step; the completion of a fade that
// a later Show replaced changes nothing. Destroying the component, or the
// application quitting, stops the workers without ever blocking on a worker
// that waits for this thread.
//
// Ownership: the component owns its messages, its popup (unless the host gave
// the popup an owner window, which then owns it) and its fade threads. Image
// list, picture container, menu, clock and user store belong to the host and
// must outlive the component. Events are plain callbacks; an event handler
// must not destroy the component. User-interface thread only.
#pragma once

#include "widgets/AlertTypes.h"
#include "widgets/MsgCollection.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPainter;
class QWidget;

namespace mz {

class FadeClock;
class TAlertWindow;
class TFadeThread;
class UiHandoff;
class UserStore;

class TFadeAlertWindow : public QObject {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TFadeAlertWindow* sender)>;
    using TOnAnchorClickEvent =
        std::function<void(TFadeAlertWindow* sender, const QString& anchor, TMsgCollectionItem* item)>;
    using TCanDeleteEvent = std::function<void(TFadeAlertWindow* sender, int index, bool& canDelete)>;
    using TDeleteMessageEvent = std::function<void(TFadeAlertWindow* sender, int index)>;
    using TCanCloseEvent = std::function<void(TFadeAlertWindow* sender, bool& canClose)>;
    using TCustomPaintEvent =
        std::function<void(TFadeAlertWindow* sender, QPainter& canvas, const QRect& rect, bool& defaultDraw)>;

    explicit TFadeAlertWindow(QObject* owner = nullptr);
    ~TFadeAlertWindow() override;

    // Operations --------------------------------------------------------------
    void Show();
    void LoadPosition();
    void SavePosition();
    // Asks OnCanDeleteMessage, removes the message from both lists, raises
    // OnDeleteMessage. Throws std::out_of_range("Invalid Index") for an index
    // outside 0 to count - 1.
    void DeleteMessage(int index);
    // The current message's 1-based position in the popup (0 without one).
    int CurrentMessage() const;
    void SetCurrentMessage(int position);
    // The host calls this once it has set the properties; with
    // PersistPosition on it loads the saved position.
    void Loaded();

    // Properties, with the component's defaults --------------------------------
    TMsgCollection& AlertMessages() { return messages_; }
    const TMsgCollection& AlertMessages() const { return messages_; }

    bool AlwaysOnTop() const { return look_.AlwaysOnTop; } // false
    void SetAlwaysOnTop(bool on) { look_.AlwaysOnTop = on; }
    bool AutoHide() const { return autoHide_; } // true
    // On: the countdown starts afresh; off: it stops.
    void SetAutoHide(bool on);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; } // false
    void SetAutoThemeAdapt(bool on) { autoThemeAdapt_ = on; }
    bool AutoSize() const { return autoSize_; } // false
    void SetAutoSize(bool on) { autoSize_ = on; }
    bool AutoDelete() const { return look_.AutoDelete; } // false
    void SetAutoDelete(bool on);
    QPixmap Background() const { return look_.Background; }
    void SetBackground(const QPixmap& p) { look_.Background = p; }

    // The nine colours are set by Style; they reach the popup at the next Show.
    const TAlertColors& Colors() const { return look_.Colors; }
    void SetColors(const TAlertColors& c) { look_.Colors = c; }
    TColor BorderColor() const { return look_.Colors.BorderColor; }
    void SetBorderColor(TColor c) { look_.Colors.BorderColor = c; }
    TColor BtnHoverColor() const { return look_.Colors.BtnHoverColor; }
    void SetBtnHoverColor(TColor c) { look_.Colors.BtnHoverColor = c; }
    TColor BtnHoverColorTo() const { return look_.Colors.BtnHoverColorTo; }
    void SetBtnHoverColorTo(TColor c) { look_.Colors.BtnHoverColorTo = c; }
    TColor BtnDownColor() const { return look_.Colors.BtnDownColor; }
    void SetBtnDownColor(TColor c) { look_.Colors.BtnDownColor = c; }
    TColor BtnDownColorTo() const { return look_.Colors.BtnDownColorTo; }
    void SetBtnDownColorTo(TColor c) { look_.Colors.BtnDownColorTo = c; }
    TColor CaptionColor() const { return look_.Colors.CaptionColor; }
    void SetCaptionColor(TColor c) { look_.Colors.CaptionColor = c; }
    TColor CaptionColorTo() const { return look_.Colors.CaptionColorTo; }
    void SetCaptionColorTo(TColor c) { look_.Colors.CaptionColorTo = c; }
    TColor WindowColor() const { return look_.Colors.WindowColor; }
    void SetWindowColor(TColor c) { look_.Colors.WindowColor = c; }
    TColor WindowColorTo() const { return look_.Colors.WindowColorTo; }
    void SetWindowColorTo(TColor c) { look_.Colors.WindowColorTo = c; }

    // The text font (the application's font by default); Qt fonts carry no
    // colour, so the text colour is FontColor (black).
    QFont Font() const { return look_.Font; }
    void SetFont(const QFont& f) { look_.Font = f; }
    TColor FontColor() const { return look_.FontColor; }
    void SetFontColor(TColor c) { look_.FontColor = c; }
    TGradientDirection GradientDirection() const { return look_.GradientDirection; } // gdVertical
    void SetGradientDirection(TGradientDirection d) { look_.GradientDirection = d; }

    QImage GlyphPrev() const { return look_.GlyphPrev; }
    void SetGlyphPrev(const QImage& g) { look_.GlyphPrev = g; }
    QImage GlyphNext() const { return look_.GlyphNext; }
    void SetGlyphNext(const QImage& g) { look_.GlyphNext = g; }
    QImage GlyphDelete() const { return look_.GlyphDelete; }
    void SetGlyphDelete(const QImage& g) { look_.GlyphDelete = g; }
    QImage GlyphClose() const { return look_.GlyphClose; }
    void SetGlyphClose(const QImage& g) { look_.GlyphClose = g; }
    QImage GlyphPopup() const { return look_.GlyphPopup; }
    void SetGlyphPopup(const QImage& g) { look_.GlyphPopup = g; }

    QString HintNextBtn() const { return look_.HintNextBtn; } // "Next"
    void SetHintNextBtn(const QString& s) { look_.HintNextBtn = s; }
    QString HintPrevBtn() const { return look_.HintPrevBtn; } // "Previous"
    void SetHintPrevBtn(const QString& s) { look_.HintPrevBtn = s; }
    QString HintCloseBtn() const { return look_.HintCloseBtn; } // "Close"
    void SetHintCloseBtn(const QString& s) { look_.HintCloseBtn = s; }
    QString HintDeleteBtn() const { return look_.HintDeleteBtn; } // "Delete"
    void SetHintDeleteBtn(const QString& s) { look_.HintDeleteBtn = s; }
    QString HintPopupBtn() const { return look_.HintPopupBtn; } // "Popup"
    void SetHintPopupBtn(const QString& s) { look_.HintPopupBtn = s; }

    bool Hover() const { return look_.Hover; } // false
    void SetHover(bool on) { look_.Hover = on; }
    const ImageList* Images() const { return look_.Images; }
    void SetImages(const ImageList* images) { look_.Images = images; }
    int MarginX() const { return look_.MarginX; } // 4
    void SetMarginX(int v) { look_.MarginX = v; }
    int MarginY() const { return look_.MarginY; } // 1
    void SetMarginY(int v) { look_.MarginY = v; }
    int MaxWidth() const { return look_.MaxWidth; } // 0: no bound
    void SetMaxWidth(int v) { look_.MaxWidth = v; }
    int MaxHeight() const { return look_.MaxHeight; }
    void SetMaxHeight(int v) { look_.MaxHeight = v; }
    bool PersistPosition() const { return persistPosition_; } // false
    void SetPersistPosition(bool on) { persistPosition_ = on; }
    const mz::PictureContainer* PictureContainer() const { return look_.Pictures; }
    void SetPictureContainer(const mz::PictureContainer* c) { look_.Pictures = c; }

    // The popup's current position once it has been placed, else the stored
    // preset; writing stores the preset and moves a visible popup at once.
    int PopupLeft() const;
    void SetPopupLeft(int v);
    int PopupTop() const;
    void SetPopupTop(int v);
    int PopupWidth() const { return popupWidth_; } // 300
    void SetPopupWidth(int v) { popupWidth_ = v; }
    int PopupHeight() const { return popupHeight_; } // 100
    void SetPopupHeight(int v) { popupHeight_ = v; }
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);
    QString PositionFormat() const { return look_.PositionFormat; } // "%d of %d"
    void SetPositionFormat(const QString& f);
    // Key under which the position is kept; an empty key means "FadeAlertWindow".
    QString RegistryKey() const { return registryKey_; }
    void SetRegistryKey(const QString& k) { registryKey_ = k; }
    bool ShowScrollers() const { return look_.ShowScrollers; } // false
    void SetShowScrollers(bool on) { look_.ShowScrollers = on; }
    bool ShowDelete() const { return look_.ShowDelete; } // true
    void SetShowDelete(bool on);
    bool ShowPopup() const { return look_.ShowPopup; } // false
    void SetShowPopup(bool on);

    // Opacities 0 (transparent) to 255 (opaque); values are clamped.
    int AlphaEnd() const { return alphaEnd_; } // 180
    void SetAlphaEnd(int v);
    int AlphaStart() const { return alphaStart_; } // 0
    void SetAlphaStart(int v);
    int FadeTime() const { return fadeTime_; } // 50 ms between fade steps
    void SetFadeTime(int ms) { fadeTime_ = ms < 0 ? 0 : ms; }
    int DisplayTime() const { return displayTime_; } // 5000 ms
    void SetDisplayTime(int ms) { displayTime_ = ms; }
    int FadeStep() const { return fadeStep_; } // 2; 0 counts as 1
    void SetFadeStep(int v);
    TWindowPosition WindowPosition() const { return windowPosition_; } // wpRightBottom
    void SetWindowPosition(TWindowPosition p) { windowPosition_ = p; }
    int ScreenMarginX() const { return screenMarginX_; } // 0
    void SetScreenMarginX(int v) { screenMarginX_ = v; }
    int ScreenMarginY() const { return screenMarginY_; }
    void SetScreenMarginY(int v) { screenMarginY_ = v; }
    TFadeAlertWindowStyle Style() const { return style_; } // asOffice2003Blue
    // Every style but asCustom sets the nine colours and a vertical gradient;
    // a visible popup takes them at once.
    void SetStyle(TFadeAlertWindowStyle s);
    TColor URLColor() const { return look_.URLColor; } // blue
    void SetURLColor(TColor c) { look_.URLColor = c; }
    QString Version() const;

    // Events ------------------------------------------------------------------
    TOnAnchorClickEvent OnAnchorClick;
    TNotifyEvent OnAlertClick;
    TNotifyEvent OnAutoHide;
    TCanDeleteEvent OnCanDeleteMessage;
    TDeleteMessageEvent OnDeleteMessage;
    TNotifyEvent OnClose;
    TCanCloseEvent OnCanClose;
    TCustomPaintEvent OnCustomPaint;
    TNotifyEvent OnNextMessage;
    TNotifyEvent OnPrevMessage;
    TNotifyEvent OnPopupClick;
    TNotifyEvent OnShowMessage;

    // Platform seams ------------------------------------------------------------
    // Must be called before the first Show; null owner: a window of its own.
    void SetOwnerWindow(QWidget* owner);
    // Replaced clocks must outlive every fade (set them while none runs).
    void SetFadeClock(std::shared_ptr<FadeClock> clock);
    // Null: the user's own store.
    void SetUserStore(UserStore* store) { store_ = store; }
    // The work area placement uses; by default the primary screen's.
    void SetWorkArea(std::function<QRect()> provider) { workArea_ = std::move(provider); }
    // Told every opacity applied to the popup, on the user-interface thread.
    void SetOpacityObserver(std::function<void(int)> observer) { opacityObserver_ = std::move(observer); }
    // On: the countdown's ticks come only from CountdownTick (tests drive it).
    void SetManualCountdown(bool on);

    // State, for the host and for tests -------------------------------------------
    TAlertWindow* Popup() const;
    bool FadeRunning() const { return fadeRunning_; }
    bool FadingIn() const { return fadingIn_; }
    bool Hovered() const { return hovered_.load(); }
    int CurrentOpacity() const { return currentOpacity_; }
    bool CountdownActive() const { return countdownActive_; }
    int ElapsedDisplayTime() const { return elapsed_; }
    // One 10 ms tick of the display countdown (the timer calls it).
    void CountdownTick();

private:
    TAlertAppearance look() const { return look_; }
    void createPopup();
    void copyMessagesToPopup();
    void liveUpdate();
    int place();
    QRect workArea() const;
    void applyOpacity();
    void setPopupOpacity(int opacity);
    void startCountdown();
    void stopCountdown();
    void startFade(bool fadeIn);
    void fadeStep(TFadeThread* thread, int opacity);
    void fadeDone(TFadeThread* thread);
    void stopFades();
    void popupMouseMove();
    void popupMouseLeave();
    void popupDeleteMessage(int index);
    QString registryPath() const;
    UserStore& store() const;

    TMsgCollection messages_;
    TAlertAppearance look_;
    bool autoHide_ = true;
    bool autoThemeAdapt_ = false;
    bool autoSize_ = false;
    bool persistPosition_ = false;
    int presetLeft_ = 0;
    int presetTop_ = 0;
    int popupWidth_ = 300;
    int popupHeight_ = 100;
    QPointer<QMenu> popupMenu_;
    QString registryKey_;
    int alphaEnd_ = 180;
    int alphaStart_ = 0;
    int fadeTime_ = 50;
    int displayTime_ = 5000;
    int fadeStep_ = 2;
    TWindowPosition windowPosition_ = wpRightBottom;
    int screenMarginX_ = 0;
    int screenMarginY_ = 0;
    TFadeAlertWindowStyle style_ = asOffice2003Blue;

    QPointer<QWidget> owner_;
    QPointer<TAlertWindow> popup_;
    int currentOpacity_ = 0;
    bool fadingIn_ = true;
    bool fadeRunning_ = false;
    std::atomic<bool> hovered_{false};
    QTimer countdown_;
    bool countdownActive_ = false;
    bool manualCountdown_ = false;
    int elapsed_ = 0;
    bool destroying_ = false;

    UiHandoff* handoff_ = nullptr; // child QObject
    std::shared_ptr<FadeClock> clock_;
    std::vector<std::unique_ptr<TFadeThread>> threads_;
    TFadeThread* current_ = nullptr; // the fade whose completion counts
    UserStore* store_ = nullptr;
    std::function<QRect()> workArea_;
    std::function<void(int)> opacityObserver_;
};

} // namespace mz
