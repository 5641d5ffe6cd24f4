// TNotifyTrayIcon: the program's icon in the notification area.
//
// It shows an icon with a tooltip, shows balloons from it, opens a popup menu
// at the cursor when the icon is clicked, reports clicks, and hides the main
// form into the tray when the main form is minimised. It rides on
// QSystemTrayIcon; the decisions live in TrayIconLogic.
//
// What the desktop delivers through QSystemTrayIcon, and so what fires here:
//   - one activation per click of the left, right or middle button, and one
//     per left double click. An activation is reported as OnMouseDown (with the
//     cursor position and the keyboard modifiers of that moment) and drives
//     OnClick, OnDblClick and the menu.
//   - a click on a balloon: OnBalloonHintClick.
// What it does not deliver, and so never fires: mouse moves (OnMouseMove),
// the mouse entering or leaving the icon (OnMouseEnter, OnMouseExit,
// whatever WantEnterExitEvents says), a button release apart from its press
// (OnMouseUp), and a balloon being shown, hidden or timing out
// (OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout).
//
// Life: the owner creates the component, sets its properties, connects its
// signals and then calls Loaded(), which asks OnStartup whether the main form
// is to be shown (the owner never shows it itself), puts the icon into the
// tray when IconVisible is on and starts cycling. The desktop puts the icon
// back by itself when the tray host starts anew. Destroying the component
// removes the icon.
//
// Ownership: the component is a QObject child of its owner; when the owner is
// a widget, that widget's window is the main form, watched for minimising.
// The popup menu is not owned. OnStartup passes its answer by reference, so
// it must be connected directly. User-interface thread only.
#pragma once

#include "widgets/TrayIconLogic.h"

#include <QDeadlineTimer>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QMenu;
class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace mz {

class TNotifyTrayIcon : public QObject, private TrayIconHost {
    Q_OBJECT

public:
    explicit TNotifyTrayIcon(QObject* owner = nullptr);
    ~TNotifyTrayIcon() override;
    TNotifyTrayIcon(const TNotifyTrayIcon&) = delete;
    TNotifyTrayIcon& operator=(const TNotifyTrayIcon&) = delete;

    // Icons for IconIndex and for cycling.
    const QList<QIcon>& IconList() const { return iconList_; }
    void setIconList(const QList<QIcon>& icons);
    // Step through IconList every CycleInterval ms; turning it on starts at 0.
    bool CycleIcons() const { return cycleIcons_; }
    void setCycleIcons(bool on);
    // 0 never steps.
    std::uint32_t CycleInterval() const { return cycleInterval_; }
    void setCycleInterval(std::uint32_t ms);
    // Off: clicks on the icon do nothing, not even open the menu.
    bool Enabled() const { return logic_.enabled(); }
    void setEnabled(bool on) { logic_.setEnabled(on); }
    const QString& Hint() const { return hint_; }
    void setHint(const QString& hint);
    bool ShowHint() const { return showHint_; }
    void setShowHint(bool on);
    const QIcon& Icon() const { return icon_; }
    void setIcon(const QIcon& icon);
    // Before Loaded() this only records the wish.
    bool IconVisible() const { return iconVisible_; }
    void setIconVisible(bool on);
    // Clamped to IconList; writing it shows that icon.
    int IconIndex() const { return iconIndex_; }
    void setIconIndex(int index);
    QMenu* PopupMenu() const;
    void setPopupMenu(QMenu* menu);
    bool LeftPopup() const { return logic_.leftPopup(); }
    void setLeftPopup(bool on) { logic_.setLeftPopup(on); }
    // Kept for the owner's settings; the desktop never reports entering or
    // leaving the icon, so nothing depends on it.
    bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
    void setWantEnterExitEvents(bool on) { wantEnterExitEvents_ = on; }
    bool MinimizeToTray() const { return minimizeToTray_; }
    void setMinimizeToTray(bool on) { minimizeToTray_ = on; }

    // The owner has set everything up: ask about the main form, show or hide
    // the icon as IconVisible says, start cycling. Call it once.
    void Loaded();

    // Each returns whether a tray host is there to take the icon.
    bool ShowIcon();
    bool HideIcon();
    bool ModifyIcon();

    // Shows a balloon from the icon. iconKind: 0 none, 1 information,
    // 2 warning, 3 error, 4 the icon's own picture. The result says whether a
    // tray or notification service took it; there is none to take it while
    // the icon is hidden.
    bool ShowBalloonHint(const QString& title, const QString& text, std::uint8_t iconKind,
                         std::uint8_t timeoutSeconds);
    // Removes the balloon this icon is showing, where the desktop lets a
    // balloon be taken back (Qt's own balloon beside a docked icon); a
    // notification service's balloon runs out on its own.
    void HideBalloonHint();

    // Brings the main form back, normal-sized and in front.
    void RestoreMainForm();
    // Hides the main form.
    void HideMainForm();

    // The desktop object underneath, for looking at (tests, placing
    // things next to the icon). Do not change it behind the component's back.
    QSystemTrayIcon* systemTrayIcon() const { return tray_; }

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseEnter();
    void OnMouseExit();
    void OnCycle(int nextIndex);
    void OnBalloonHintShow();
    void OnBalloonHintHide();
    void OnBalloonHintTimeout();
    void OnBalloonHintClick();
    void OnMinimizeToTray();
    void OnStartup(bool& showMainForm);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // TrayIconHost
    bool dblClickHandled() const override;
    int doubleClickTime() const override;
    void startClickTimer(int ms) override;
    void stopClickTimer() override;
    void popupMenuAtCursor() override;
    void runDefaultMenuItem() override;
    void mouseDown(Qt::MouseButton button) override;
    void click() override;
    void dblClick() override;
    void balloonClick() override;

    void trayActivated(int reason);
    void balloonClicked();
    void cycleTick();
    void updateCycleTimer();
    void minimizedToTray();
    bool trayAvailable() const;
    QIcon shownIcon() const;

    TrayIconLogic logic_{*this};
    QSystemTrayIcon* tray_ = nullptr; // child
    QTimer* clickTimer_ = nullptr;    // child
    QTimer* cycleTimer_ = nullptr;    // child
    QPointer<QWidget> mainForm_;
    QPointer<QMenu> popupMenu_;

    QList<QIcon> iconList_;
    QIcon icon_;
    mutable QIcon blankIcon_;
    QString hint_;
    std::uint32_t cycleInterval_ = 0;
    int iconIndex_ = 0;
    bool cycleIcons_ = false;
    bool showHint_ = true;
    bool iconVisible_ = false;
    bool wantEnterExitEvents_ = false;
    bool minimizeToTray_ = false;
    bool loaded_ = false;
    // Our balloon may still be on screen until this runs out.
    QDeadlineTimer balloonShownUntil_; // expired
    // A balloon asked for before the tray host has placed the icon waits for
    // it (Qt would draw it at the screen's corner), but not for ever: a
    // notification service never tells where the icon is.
    void showBalloonNow(const BalloonRequest& r);
    void balloonWaitTick();
    bool iconPlaced() const;
    QTimer* balloonWait_ = nullptr; // child
    BalloonRequest pendingBalloon_;
    QDeadlineTimer pendingUntil_;
};

} // namespace mz
