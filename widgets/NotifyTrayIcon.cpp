#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMetaMethod>
#include <QPixmap>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace mz {

namespace {
// How long a balloon waits for the tray host to place the icon.
constexpr int kBalloonWaitMs = 3000;
} // namespace

TNotifyTrayIcon::TNotifyTrayIcon(QObject* owner)
    : QObject(owner), tray_(new QSystemTrayIcon(this)), clickTimer_(new QTimer(this)),
      cycleTimer_(new QTimer(this)) {
    clickTimer_->setSingleShot(true);
    connect(clickTimer_, &QTimer::timeout, this, [this] { logic_.clickTimerElapsed(); });
    connect(cycleTimer_, &QTimer::timeout, this, &TNotifyTrayIcon::cycleTick);
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { trayActivated(reason); });
    connect(tray_, &QSystemTrayIcon::messageClicked, this, &TNotifyTrayIcon::balloonClicked);
    if (auto* w = qobject_cast<QWidget*>(owner)) {
        mainForm_ = w->window();
        mainForm_->installEventFilter(this);
    }
}

TNotifyTrayIcon::~TNotifyTrayIcon() {
    // The icon leaves the tray with its QSystemTrayIcon; stop the timers first
    // so that nothing fires into a half-destroyed component.
    clickTimer_->stop();
    cycleTimer_->stop();
}

void TNotifyTrayIcon::setIconList(const QList<QIcon>& icons) {
    iconList_ = icons;
    setIconIndex(iconIndex_);
    updateCycleTimer();
}

void TNotifyTrayIcon::setCycleIcons(bool on) {
    cycleIcons_ = on;
    if (on)
        setIconIndex(0);
    updateCycleTimer();
}

void TNotifyTrayIcon::setCycleInterval(std::uint32_t ms) {
    cycleInterval_ = ms;
    updateCycleTimer();
}

void TNotifyTrayIcon::setHint(const QString& hint) {
    hint_ = hint;
    ModifyIcon();
}

void TNotifyTrayIcon::setShowHint(bool on) {
    showHint_ = on;
    ModifyIcon();
}

void TNotifyTrayIcon::setIcon(const QIcon& icon) {
    icon_ = icon;
    ModifyIcon();
}

void TNotifyTrayIcon::setIconVisible(bool on) {
    if (!loaded_) {
        iconVisible_ = on;
        return;
    }
    if (on)
        ShowIcon();
    else
        HideIcon();
}

void TNotifyTrayIcon::setIconIndex(int index) {
    iconIndex_ = clampIconIndex(index, static_cast<int>(iconList_.size()));
    if (!iconList_.isEmpty())
        icon_ = iconList_[iconIndex_];
    ModifyIcon();
}

QMenu* TNotifyTrayIcon::PopupMenu() const {
    return popupMenu_;
}

void TNotifyTrayIcon::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void TNotifyTrayIcon::Loaded() {
    if (loaded_)
        return;
    loaded_ = true;
    if (mainForm_) {
        bool show = true;
        emit OnStartup(show);
        if (show) {
            // The form appears once the event loop runs, as a program's main
            // window does.
            QTimer::singleShot(0, mainForm_.data(), [form = mainForm_] {
                if (form)
                    form->show();
            });
        } else {
            HideMainForm();
        }
    }
    ModifyIcon();
    if (iconVisible_)
        ShowIcon();
    else
        HideIcon();
    updateCycleTimer();
}

bool TNotifyTrayIcon::trayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QIcon TNotifyTrayIcon::shownIcon() const {
    if (!icon_.isNull())
        return icon_;
    // An icon that cannot be read still keeps its place in the tray, as an
    // empty one, so that it can be clicked.
    if (blankIcon_.isNull()) {
        QPixmap p(22, 22);
        p.fill(Qt::transparent);
        blankIcon_ = QIcon(p);
    }
    return blankIcon_;
}

bool TNotifyTrayIcon::ModifyIcon() {
    tray_->setIcon(shownIcon());
    tray_->setToolTip(trayTooltip(hint_, showHint_));
    return trayAvailable();
}

bool TNotifyTrayIcon::ShowIcon() {
    iconVisible_ = true;
    ModifyIcon();
    tray_->show();
    return trayAvailable();
}

bool TNotifyTrayIcon::HideIcon() {
    iconVisible_ = false;
    ModifyIcon();
    tray_->hide();
    return trayAvailable();
}

bool TNotifyTrayIcon::ShowBalloonHint(const QString& title, const QString& text, std::uint8_t iconKind,
                                      std::uint8_t timeoutSeconds) {
    HideBalloonHint();
    if (!tray_->isVisible() || !trayAvailable() || !QSystemTrayIcon::supportsMessages())
        return false;
    const BalloonRequest r = balloonRequest(title, text, iconKind, timeoutSeconds);
    if (iconPlaced()) {
        showBalloonNow(r);
        return true;
    }
    pendingBalloon_ = r;
    pendingUntil_.setRemainingTime(kBalloonWaitMs);
    if (!balloonWait_) {
        balloonWait_ = new QTimer(this);
        balloonWait_->setInterval(50);
        connect(balloonWait_, &QTimer::timeout, this, &TNotifyTrayIcon::balloonWaitTick);
    }
    balloonWait_->start();
    return true;
}

bool TNotifyTrayIcon::iconPlaced() const {
    // Until the tray host has taken the icon in, its geometry is its size at
    // the screen's origin; a tray that really sits there costs the balloon
    // its wait.
    const QRect g = tray_->geometry();
    return g.isValid() && g.topLeft() != QPoint(0, 0);
}

void TNotifyTrayIcon::balloonWaitTick() {
    if (!tray_->isVisible()) {
        balloonWait_->stop();
        return;
    }
    if (iconPlaced() || pendingUntil_.hasExpired()) {
        balloonWait_->stop();
        showBalloonNow(pendingBalloon_);
    }
}

void TNotifyTrayIcon::showBalloonNow(const BalloonRequest& r) {
    switch (r.icon) {
    case BalloonIcon::OwnIcon:
        if (!icon_.isNull()) {
            tray_->showMessage(r.title, r.text, icon_, r.timeoutMs);
            break;
        }
        [[fallthrough]];
    case BalloonIcon::None:
        tray_->showMessage(r.title, r.text, QSystemTrayIcon::NoIcon, r.timeoutMs);
        break;
    case BalloonIcon::Information:
        tray_->showMessage(r.title, r.text, QSystemTrayIcon::Information, r.timeoutMs);
        break;
    case BalloonIcon::Warning:
        tray_->showMessage(r.title, r.text, QSystemTrayIcon::Warning, r.timeoutMs);
        break;
    case BalloonIcon::Critical:
        tray_->showMessage(r.title, r.text, QSystemTrayIcon::Critical, r.timeoutMs);
        break;
    }
    balloonShownUntil_.setRemainingTime(r.timeoutMs);
}

void TNotifyTrayIcon::HideBalloonHint() {
    if (balloonWait_)
        balloonWait_->stop(); // a balloon still waiting for the icon is dropped
    if (balloonShownUntil_.hasExpired())
        return;
    balloonShownUntil_ = QDeadlineTimer();
    // Qt draws its own balloon only beside an icon docked in an X tray, the
    // one case where the icon has a place on screen; an empty message takes
    // that balloon away. A notification service would show the empty message
    // as a new notice instead, so it is left to run out.
    if (tray_->isVisible() && tray_->geometry().isValid())
        tray_->showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
}

void TNotifyTrayIcon::RestoreMainForm() {
    if (!mainForm_)
        return;
    if (mainForm_->isMinimized())
        mainForm_->setWindowState(mainForm_->windowState() & ~Qt::WindowMinimized);
    mainForm_->show();
    mainForm_->raise();
    mainForm_->activateWindow();
}

void TNotifyTrayIcon::HideMainForm() {
    if (mainForm_)
        mainForm_->hide();
}

bool TNotifyTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainForm_ && event->type() == QEvent::WindowStateChange && minimizeToTray_ &&
        mainForm_->isMinimized()) {
        // Hiding a window in the middle of its own state change confuses some
        // window managers; hide it once the change is through.
        QMetaObject::invokeMethod(this, &TNotifyTrayIcon::minimizedToTray, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TNotifyTrayIcon::minimizedToTray() {
    // The form may have been restored while the hiding was queued.
    if (!mainForm_ || !mainForm_->isMinimized() || !minimizeToTray_)
        return;
    emit OnMinimizeToTray();
    HideMainForm();
    ShowIcon();
}

void TNotifyTrayIcon::trayActivated(int reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        logic_.leftClick();
        break;
    case QSystemTrayIcon::Context:
        logic_.rightClick();
        break;
    case QSystemTrayIcon::DoubleClick:
        logic_.doubleClick();
        break;
    case QSystemTrayIcon::MiddleClick:
        logic_.middleClick();
        break;
    default:
        break;
    }
}

void TNotifyTrayIcon::balloonClicked() {
    balloonShownUntil_ = QDeadlineTimer();
    logic_.balloonClicked();
}

void TNotifyTrayIcon::updateCycleTimer() {
    const int ms = cycleTimerInterval(cycleIcons_, cycleInterval_, static_cast<int>(iconList_.size()));
    if (!loaded_ || ms == 0)
        cycleTimer_->stop();
    else
        cycleTimer_->start(ms); // restarts a running timer
}

void TNotifyTrayIcon::cycleTick() {
    if (iconList_.isEmpty())
        return;
    const int next = nextCycleIndex(iconIndex_, static_cast<int>(iconList_.size()));
    emit OnCycle(next);
    setIconIndex(next);
}

bool TNotifyTrayIcon::dblClickHandled() const {
    return isSignalConnected(QMetaMethod::fromSignal(&TNotifyTrayIcon::OnDblClick));
}

int TNotifyTrayIcon::doubleClickTime() const {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void TNotifyTrayIcon::startClickTimer(int ms) {
    clickTimer_->start(ms);
}

void TNotifyTrayIcon::stopClickTimer() {
    clickTimer_->stop();
}

void TNotifyTrayIcon::popupMenuAtCursor() {
    if (popupMenu_)
        popupMenu_->popup(QCursor::pos());
}

void TNotifyTrayIcon::runDefaultMenuItem() {
    if (!popupMenu_)
        return;
    QAction* item = popupMenu_->defaultAction();
    // Only an item of the menu itself counts, not one of its submenus.
    if (item && popupMenu_->actions().contains(item))
        item->trigger();
}

void TNotifyTrayIcon::mouseDown(Qt::MouseButton button) {
    const QPoint at = QCursor::pos();
    emit OnMouseDown(button, QGuiApplication::queryKeyboardModifiers(), at.x(), at.y());
}

void TNotifyTrayIcon::click() {
    emit OnClick();
}

void TNotifyTrayIcon::dblClick() {
    emit OnDblClick();
}

void TNotifyTrayIcon::balloonClick() {
    emit OnBalloonHintClick();
}

} // namespace mz
