#include "widgets/FadeAlertWindow.h"

#include "platform/SystemColors.h"
#include "platform/UserStore.h"
#include "platform/WindowOpacity.h"
#include "widgets/AlertLayout.h"
#include "widgets/AlertStyles.h"
#include "widgets/AlertWindow.h"
#include "widgets/FadeThread.h"
#include "widgets/UiHandoff.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace mz {

namespace {

constexpr int kTickMs = 10;
const QString kDefaultRegistryKey = QStringLiteral("FadeAlertWindow");

int clampAlpha(int v) {
    return std::clamp(v, 0, 255);
}

} // namespace

TFadeAlertWindow::TFadeAlertWindow(QObject* owner)
    : QObject(owner), handoff_(new UiHandoff(this)), clock_(std::make_shared<SteadyFadeClock>()) {
    look_.Font = QApplication::font();
    // The constructor's own colours (TAlertColors' defaults), then the
    // default style, which replaces all nine.
    look_.Colors = TAlertColors{};
    SetStyle(asOffice2003Blue);
    autoThemeAdapt_ = false;

    countdown_.setInterval(kTickMs);
    countdown_.setTimerType(Qt::PreciseTimer);
    connect(&countdown_, &QTimer::timeout, this, &TFadeAlertWindow::CountdownTick);

    messages_.SetOnChange([this](TMsgCollectionItem*) { liveUpdate(); });
    messages_.SetOnDelete([this](int index) {
        if (popup_ && !destroying_ && index < popup_->MessageCount())
            popup_->DeleteMessage(index);
    });

    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &TFadeAlertWindow::stopFades);
}

TFadeAlertWindow::~TFadeAlertWindow() {
    destroying_ = true;
    countdown_.stop();
    stopFades();
    handoff_->Shutdown();
    if (popup_) {
        // Only the destroy event may still reach this component (it saves
        // the position when asked to).
        TAlertWindow* popup = popup_;
        popup->OnCanClose = nullptr;
        popup->OnClose = nullptr;
        popup->OnMouseLeave = nullptr;
        popup->OnMouseMove = nullptr;
        delete popup;
    }
}

QString TFadeAlertWindow::Version() const {
    return QStringLiteral("1.0.0.0");
}

// Properties ---------------------------------------------------------------------

void TFadeAlertWindow::SetAutoHide(bool on) {
    autoHide_ = on;
    if (on)
        startCountdown();
    else
        stopCountdown();
}

void TFadeAlertWindow::SetAutoDelete(bool on) {
    look_.AutoDelete = on;
    if (popup_)
        popup_->SetAutoDelete(on);
}

void TFadeAlertWindow::SetPositionFormat(const QString& f) {
    look_.PositionFormat = f;
    if (popup_)
        popup_->SetPositionFormat(f);
}

void TFadeAlertWindow::SetShowDelete(bool on) {
    look_.ShowDelete = on;
    if (popup_)
        popup_->SetShowDelete(on);
}

void TFadeAlertWindow::SetShowPopup(bool on) {
    look_.ShowPopup = on;
    if (popup_)
        popup_->SetShowPopup(on);
}

void TFadeAlertWindow::SetAlphaEnd(int v) {
    alphaEnd_ = clampAlpha(v);
}

void TFadeAlertWindow::SetAlphaStart(int v) {
    alphaStart_ = clampAlpha(v);
}

void TFadeAlertWindow::SetFadeStep(int v) {
    fadeStep_ = clampAlpha(v);
}

void TFadeAlertWindow::SetStyle(TFadeAlertWindowStyle s) {
    style_ = s;
    if (const auto colors = styleColors(s)) {
        look_.Colors = *colors;
        look_.GradientDirection = gdVertical;
    }
    if (popup_ && popup_->isVisible())
        popup_->SetAppearance(look_);
}

int TFadeAlertWindow::PopupLeft() const {
    return popup_ && popup_->Placed() ? popup_->Left() : presetLeft_;
}

int TFadeAlertWindow::PopupTop() const {
    return popup_ && popup_->Placed() ? popup_->Top() : presetTop_;
}

void TFadeAlertWindow::SetPopupLeft(int v) {
    presetLeft_ = v;
    if (popup_ && popup_->isVisible())
        popup_->SetPopupPos(v, popup_->y());
}

void TFadeAlertWindow::SetPopupTop(int v) {
    presetTop_ = v;
    if (popup_ && popup_->isVisible())
        popup_->SetPopupPos(popup_->x(), v);
}

void TFadeAlertWindow::SetOwnerWindow(QWidget* owner) {
    owner_ = owner;
}

TAlertWindow* TFadeAlertWindow::Popup() const {
    return popup_;
}

QMenu* TFadeAlertWindow::PopupMenu() const {
    return popupMenu_;
}

void TFadeAlertWindow::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void TFadeAlertWindow::SetFadeClock(std::shared_ptr<FadeClock> clock) {
    if (clock)
        clock_ = std::move(clock);
}

int TFadeAlertWindow::CurrentMessage() const {
    return popup_ ? popup_->CurrentPosition() : 0;
}

void TFadeAlertWindow::SetCurrentMessage(int position) {
    if (popup_)
        popup_->SetCurrentPosition(position);
}

void TFadeAlertWindow::Loaded() {
    if (persistPosition_)
        LoadPosition();
}

// The popup ------------------------------------------------------------------------

void TFadeAlertWindow::createPopup() {
    if (popup_)
        return;
    auto* p = new TAlertWindow(owner_);
    popup_ = p;
    p->OnAlertClick = [this](TAlertWindow*) {
        if (OnAlertClick)
            OnAlertClick(this);
    };
    p->OnAnchorClick = [this](TAlertWindow*, const QString& anchor, int index) {
        if (OnAnchorClick)
            OnAnchorClick(this, anchor, messages_.Item(index));
    };
    p->OnDeleteMessage = [this](TAlertWindow*, int index) { popupDeleteMessage(index); };
    p->OnMouseLeave = [this](TAlertWindow*) { popupMouseLeave(); };
    p->OnMouseMove = [this](TAlertWindow*) { popupMouseMove(); };
    p->OnWindowMoved = [this](TAlertWindow* w) {
        windowPosition_ = wpPreset;
        presetLeft_ = w->x();
        presetTop_ = w->y();
    };
    p->OnClose = [this](TAlertWindow*) {
        if (OnClose)
            OnClose(this);
    };
    p->OnCanClose = [this](TAlertWindow*, bool& canClose) {
        if (OnCanClose)
            OnCanClose(this, canClose);
    };
    p->OnNextMessage = [this](TAlertWindow*) {
        if (OnNextMessage)
            OnNextMessage(this);
    };
    p->OnPrevMessage = [this](TAlertWindow*) {
        if (OnPrevMessage)
            OnPrevMessage(this);
    };
    p->OnPopupbtnClick = [this](TAlertWindow*, const QPoint& at) {
        if (popupMenu_)
            popupMenu_->popup(at);
        else if (OnPopupClick)
            OnPopupClick(this);
    };
    p->OnCustomPaint = [this](TAlertWindow*, QPainter& canvas, const QRect& rect, bool& defaultDraw) {
        if (OnCustomPaint)
            OnCustomPaint(this, canvas, rect, defaultDraw);
    };
    p->OnDestroy = [this](TAlertWindow*) {
        if (persistPosition_)
            SavePosition();
    };
}

void TFadeAlertWindow::copyMessagesToPopup() {
    createPopup();
    const bool wasVisible = popup_->isVisible();
    popup_->BeginUpdate();
    popup_->ClearMessages();
    for (int i = 0; i < messages_.Count(); ++i) {
        const TMsgCollectionItem* item = messages_.Item(i);
        popup_->AddMessage(item->Text().Joined(), item->ImageIndex());
        popup_->Messages().Add()->Assign(*item);
    }
    popup_->EndUpdate();
    popup_->RunAutoSize();
    if (OnShowMessage)
        OnShowMessage(this);
    if (messages_.Count() > 0 && popup_ && popup_->isVisible() != wasVisible)
        popup_->setVisible(wasVisible);
}

void TFadeAlertWindow::liveUpdate() {
    if (destroying_ || !popup_)
        return;
    const int count = messages_.Count();
    if (count < popup_->CurrentPosition())
        popup_->SetCurrentPosition(count);
    if (!popup_->isVisible())
        return;
    popup_->BeginUpdate();
    for (int i = 0; i < count; ++i) {
        const TMsgCollectionItem* item = messages_.Item(i);
        if (i <= popup_->MessageCount())
            popup_->SetMessage(i, item->Text().Joined(), item->ImageIndex());
        TMsgCollectionItem* copy = popup_->Messages().Item(i);
        if (!copy)
            copy = popup_->Messages().Add();
        copy->Assign(*item);
    }
    popup_->EndUpdate();
}

void TFadeAlertWindow::popupDeleteMessage(int index) {
    bool canDelete = true;
    if (OnCanDeleteMessage)
        OnCanDeleteMessage(this, index, canDelete);
    if (!canDelete)
        return;
    if (index >= 0 && index < messages_.Count())
        messages_.Delete(index); // drops the popup's copy too
    else if (popup_ && index >= 0 && index < popup_->MessageCount())
        popup_->DeleteMessage(index);
    if (OnDeleteMessage)
        OnDeleteMessage(this, index);
    if (popup_)
        popup_->update();
}

void TFadeAlertWindow::DeleteMessage(int index) {
    if (index < 0 || index >= messages_.Count())
        throw std::out_of_range("Invalid Index");
    popupDeleteMessage(index);
}

// Show -------------------------------------------------------------------------------

void TFadeAlertWindow::Show() {
    elapsed_ = 0;
    // Whatever happens, the keyboard focus goes back where it was.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const auto restoreFocus = qScopeGuard([&] {
        if (focus && QApplication::focusWidget() != focus)
            focus->setFocus();
    });

    if (fadeRunning_ && fadingIn_ && popup_ && !popup_->isVisible()) {
        // The close button hid the popup during its fade-in: show it afresh
        // rather than refresh a window nobody sees.
        if (current_)
            current_->RequestStop();
        current_ = nullptr;
        fadeRunning_ = false;
    } else if (fadeRunning_ && !fadingIn_) {
        // A fade-out turns into a new fade-in; the old thread ends at its
        // next step and its completion no longer counts.
        copyMessagesToPopup();
        fadingIn_ = true;
        fadeRunning_ = false;
        if (current_)
            current_->RequestStop();
        current_ = nullptr;
    } else if ((fadeRunning_ && fadingIn_) || (!fadeRunning_ && popup_ && popup_->isVisible())) {
        // A showing popup is refreshed in place and keeps its opacity; the
        // countdown goes on from 0. It takes the current AutoSize, so that a
        // refresh is sized like a fresh show (without auto size a long
        // passage keeps the preset size and scrolls instead of growing).
        copyMessagesToPopup();
        if (popup_) {
            popup_->SetAutoSize(autoSize_);
            if (!autoSize_)
                popup_->resize(popupWidth_, popupHeight_);
            place();
        }
        return;
    }

    if (messages_.Count() == 0)
        return;

    copyMessagesToPopup();
    popup_->resize(popupWidth_, popupHeight_);
    popup_->SetPopupPos(presetLeft_, presetTop_);
    // The whole appearance goes over before the auto size runs, so that the
    // first show is sized like every later one.
    popup_->SetAppearance(look_);
    popup_->SetAutoSize(autoSize_);

    stopCountdown();
    if (autoHide_ && !hovered_)
        startCountdown();

    if (autoThemeAdapt_)
        SetStyle(styleForColorScheme(visualThemeColorScheme()));
    popup_->SetAppearance(look_);

    const int top = place();
    currentOpacity_ = alphaStart_;
    applyOpacity();
    fadingIn_ = true;

    popup_->show();
    popup_->raise();
    popup_->SetPopupPos(popup_->x(), top);

    if (alphaStart_ < alphaEnd_) {
        fadeRunning_ = true;
        startFade(true);
    }
}

QRect TFadeAlertWindow::workArea() const {
    if (workArea_)
        return workArea_();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->availableGeometry();
    return {};
}

int TFadeAlertWindow::place() {
    if (!popup_)
        return 0;
    AlertPlacementInput in;
    in.position = windowPosition_;
    in.workArea = workArea();
    in.popup = popup_->size();
    in.screenMarginX = screenMarginX_;
    in.screenMarginY = screenMarginY_;
    in.preset = QPoint(presetLeft_, presetTop_);
    const QPoint at = computePlacement(in);
    popup_->SetPopupPos(at.x(), at.y());
    return at.y();
}

// Opacity and fading ---------------------------------------------------------------------

void TFadeAlertWindow::applyOpacity() {
    if (!popup_)
        return;
    if (hovered_ && alphaStart_ != 255)
        return;
    setPopupOpacity(currentOpacity_);
}

void TFadeAlertWindow::setPopupOpacity(int opacity) {
    // Desktops that cannot make windows translucent show the popup opaque.
    setWindowOpacityNow(popup_, opacity / 255.0);
    if (opacityObserver_)
        opacityObserver_(opacity);
}

void TFadeAlertWindow::startFade(bool fadeIn) {
    FadeParams params;
    params.fadeIn = fadeIn;
    params.alphaStart = alphaStart_;
    params.alphaEnd = alphaEnd_;
    params.fadeStep = fadeStep_;
    params.fadeTime = fadeTime_;
    auto thread = std::make_unique<TFadeThread>(
        params, *handoff_, *clock_, hovered_, [this](TFadeThread* t, int opacity) { fadeStep(t, opacity); },
        [this](TFadeThread* t) { fadeDone(t); });
    current_ = thread.get();
    threads_.push_back(std::move(thread));
    current_->Start();
}

void TFadeAlertWindow::fadeStep(TFadeThread* thread, int opacity) {
    // A step of a fade that was stopped or replaced is not applied.
    if (thread != current_ || thread->StopRequested())
        return;
    currentOpacity_ = opacity;
    applyOpacity();
}

void TFadeAlertWindow::fadeDone(TFadeThread* thread) {
    const bool counts = thread == current_;
    const bool fadeIn = thread->FadeIn();
    const bool completed = thread->Completed();
    const auto it =
        std::find_if(threads_.begin(), threads_.end(), [&](const auto& t) { return t.get() == thread; });
    if (it != threads_.end())
        threads_.erase(it); // joins; the worker has already let go
    if (!counts)
        return;
    current_ = nullptr;
    if (fadeIn) {
        if (!hovered_)
            startCountdown();
    } else if (!hovered_ && completed && popup_) {
        // Only a fade-out that ran to its end hides the popup: one stopped by
        // the mouse leaves it to the hover.
        popup_->hide();
    }
    fadeRunning_ = false;
}

void TFadeAlertWindow::stopFades() {
    for (const auto& t : threads_)
        t->RequestStop();
    // Workers may be waiting for this thread: release them (their steps are
    // dropped) until every one has left its routine; never block on them.
    for (;;) {
        const bool allFinished =
            std::all_of(threads_.begin(), threads_.end(), [](const auto& t) { return t->Finished(); });
        handoff_->DropPending();
        if (allFinished)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    threads_.clear();
    current_ = nullptr;
    fadeRunning_ = false;
}

// Countdown and hover ---------------------------------------------------------------------

void TFadeAlertWindow::startCountdown() {
    if (!autoHide_)
        return;
    elapsed_ = 0;
    countdownActive_ = true;
    if (!manualCountdown_)
        countdown_.start();
}

void TFadeAlertWindow::stopCountdown() {
    countdownActive_ = false;
    countdown_.stop();
}

void TFadeAlertWindow::SetManualCountdown(bool on) {
    manualCountdown_ = on;
    if (on)
        countdown_.stop();
    else if (countdownActive_)
        countdown_.start();
}

void TFadeAlertWindow::CountdownTick() {
    if (!countdownActive_)
        return;
    // The display time counts from the end of the fade-in (whose completion
    // restarts the countdown), so a fade-out never starts during a fade-in.
    if (fadeRunning_ && fadingIn_)
        return;
    elapsed_ += kTickMs;
    if (elapsed_ < displayTime_)
        return;
    elapsed_ = 0;
    if (popup_) {
        popup_->SetAutoHideInProgress(true);
        fadingIn_ = false;
        fadeRunning_ = true;
        startFade(false);
    }
    stopCountdown();
    if (popup_) {
        if (OnAutoHide)
            OnAutoHide(this);
        if (popup_)
            popup_->SetAutoHideInProgress(false);
    }
}

void TFadeAlertWindow::popupMouseMove() {
    currentOpacity_ = 255;
    applyOpacity();
    if (hovered_)
        return;
    hovered_ = true;
    if (fadeRunning_ && current_)
        current_->RequestStop();
    hovered_ = false;
    currentOpacity_ = 255;
    applyOpacity();
    hovered_ = true;
    stopCountdown();
}

void TFadeAlertWindow::popupMouseLeave() {
    if (!hovered_)
        return;
    hovered_ = false;
    setPopupOpacity(alphaEnd_);
    startCountdown();
}

// Position persistence ------------------------------------------------------------------------

QString TFadeAlertWindow::registryPath() const {
    const QString key = registryKey_.isEmpty() ? kDefaultRegistryKey : registryKey_;
    return QStringLiteral("\\SOFTWARE\\") + key + QStringLiteral("\\") + QStringLiteral("ALERT");
}

UserStore& TFadeAlertWindow::store() const {
    return store_ ? *store_ : UserStore::instance();
}

void TFadeAlertWindow::LoadPosition() {
    const QString path = registryPath();
    if (const auto x = store().readInt(path, QStringLiteral("X")))
        SetPopupLeft(*x);
    if (const auto y = store().readInt(path, QStringLiteral("Y")))
        SetPopupTop(*y);
}

void TFadeAlertWindow::SavePosition() {
    const QString path = registryPath();
    if (store().writeInt(path, QStringLiteral("X"), PopupLeft()))
        store().writeInt(path, QStringLiteral("Y"), PopupTop());
}

} // namespace mz
