// The decisions of the tray icon, kept apart from the desktop.
//
// TNotifyTrayIcon wires the desktop's notifications into this unit and carries
// out what it asks for; the tests drive it directly. It decides:
//   - the tooltip shown for a hint (cut to 127 characters, none when hidden);
//   - what a balloon request becomes (texts cut to 255 and 63 characters, the
//     icon kind mapped onto the desktop's kinds, the timeout in milliseconds);
//   - where the icon index lands in an icon list and where cycling goes next;
//   - what a click, a double click or a balloon click on the icon sets off,
//     with the single click held back for the double-click time while a
//     double-click handler is listening.
//
// The desktop reports one activation per click (not a press and a release
// apart), so a left click here is the press and the release of the classic
// tray protocol in one step.
//
// TrayIconLogic does not own its host; the host must outlive it. Everything
// runs on the user-interface thread.
#pragma once

#include <QString>
#include <Qt>

#include <cstdint>

namespace mz {

inline constexpr int kTrayHintLength = 127;
inline constexpr int kBalloonTextLength = 255;
inline constexpr int kBalloonTitleLength = 63;

// The kinds of balloon icon, in the order of the caller's icon kind 0 to 4.
enum class BalloonIcon { None, Information, Warning, Critical, OwnIcon };

struct BalloonRequest {
    QString title;
    QString text; // line breaks as line feeds, which every balloon shows
    BalloonIcon icon = BalloonIcon::None;
    int timeoutMs = 0;
};

// The first `length` characters of `text`, never ending in half a surrogate
// pair.
QString cutText(const QString& text, int length);

// The tooltip for `hint`: empty when the hint is hidden or empty.
QString trayTooltip(const QString& hint, bool showHint);

// A balloon with the caller's title, text, icon kind (0 none, 1 information,
// 2 warning, 3 error, 4 the icon's own picture; anything else is none) and
// timeout in seconds. A timeout of 0 becomes the desktop's usual 10 seconds:
// the balloon must go away on its own, as it always did.
BalloonRequest balloonRequest(const QString& title, const QString& text, std::uint8_t iconKind,
                              std::uint8_t timeoutSeconds);

// `index` clamped to the icons of a list of `count` (0 without icons).
int clampIconIndex(int index, int count);

// The index cycling shows after `index` in a list of `count` icons.
int nextCycleIndex(int index, int count);

// The cycle timer's interval in milliseconds, or 0 when it must not run:
// cycling off, no icons, or an interval of 0 (which never steps).
int cycleTimerInterval(bool cycleIcons, std::uint32_t intervalMs, int iconCount);

// What the click decisions set off; TNotifyTrayIcon and the tests implement it.
class TrayIconHost {
public:
    virtual ~TrayIconHost() = default;
    virtual bool dblClickHandled() const = 0; // a handler listens for double clicks
    virtual int doubleClickTime() const = 0;  // milliseconds
    virtual void startClickTimer(int ms) = 0; // (re)starts the single-shot click timer
    virtual void stopClickTimer() = 0;
    virtual void popupMenuAtCursor() = 0;  // does nothing without a menu
    virtual void runDefaultMenuItem() = 0; // does nothing without a default item
    virtual void mouseDown(Qt::MouseButton button) = 0;
    virtual void click() = 0;
    virtual void dblClick() = 0;
    virtual void balloonClick() = 0;
};

class TrayIconLogic {
public:
    explicit TrayIconLogic(TrayIconHost& host) : host_(host) {}
    TrayIconLogic(const TrayIconLogic&) = delete;
    TrayIconLogic& operator=(const TrayIconLogic&) = delete;

    // Off: nothing on the icon reacts, not even the menu.
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    // On: the menu opens on a left click too, not only on a right click.
    bool leftPopup() const { return leftPopup_; }
    void setLeftPopup(bool on) { leftPopup_ = on; }

    void leftClick();
    void rightClick();
    void middleClick();
    void doubleClick();
    void balloonClicked();
    void clickTimerElapsed();

    bool clickTimerRunning() const { return clickTimerRunning_; }

private:
    TrayIconHost& host_;
    bool enabled_ = true;
    bool leftPopup_ = false;
    bool clickTimerRunning_ = false;
    bool clickReady_ = false;
    bool dblClickHappened_ = false;
};

} // namespace mz
