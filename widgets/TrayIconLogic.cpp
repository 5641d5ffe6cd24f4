#include "widgets/TrayIconLogic.h"

#include <algorithm>
#include <limits>

namespace mz {

QString cutText(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    qsizetype n = length;
    if (n > 0 && text[n - 1].isHighSurrogate())
        --n;
    return text.left(n);
}

QString trayTooltip(const QString& hint, bool showHint) {
    if (!showHint || hint.isEmpty())
        return QString();
    return cutText(hint, kTrayHintLength);
}

namespace {

// Callers write line breaks the classic way, as a carriage return with or
// without a line feed; balloons here only break lines on a line feed.
QString lineFeedsOnly(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

BalloonRequest balloonRequest(const QString& title, const QString& text, std::uint8_t iconKind,
                              std::uint8_t timeoutSeconds) {
    BalloonRequest r;
    // Cut first, so the limits count the caller's characters.
    r.title = lineFeedsOnly(cutText(title, kBalloonTitleLength));
    r.text = lineFeedsOnly(cutText(text, kBalloonTextLength));
    r.icon = iconKind <= 4 ? static_cast<BalloonIcon>(iconKind) : BalloonIcon::None;
    r.timeoutMs = (timeoutSeconds == 0 ? 10 : timeoutSeconds) * 1000;
    return r;
}

int clampIconIndex(int index, int count) {
    if (count <= 0)
        return 0;
    return std::clamp(index, 0, count - 1);
}

int nextCycleIndex(int index, int count) {
    if (count <= 0)
        return 0;
    const int i = clampIconIndex(index, count);
    return i == count - 1 ? 0 : i + 1;
}

int cycleTimerInterval(bool cycleIcons, std::uint32_t intervalMs, int iconCount) {
    if (!cycleIcons || intervalMs == 0 || iconCount <= 0)
        return 0;
    // Qt's timers take a signed interval; nobody waits 24 days for an icon.
    return static_cast<int>(std::min<std::uint32_t>(intervalMs, std::numeric_limits<int>::max()));
}

void TrayIconLogic::leftClick() {
    if (!enabled_)
        return;
    // With a double-click handler listening, the single click waits for the
    // double-click time to pass without a second click.
    if (host_.dblClickHandled()) {
        host_.startClickTimer(host_.doubleClickTime());
        clickTimerRunning_ = true;
    }
    host_.mouseDown(Qt::LeftButton);
    if (leftPopup_)
        host_.popupMenuAtCursor();
    clickReady_ = true;
    if (!clickTimerRunning_) {
        clickReady_ = false;
        dblClickHappened_ = false;
        host_.click();
    }
}

void TrayIconLogic::rightClick() {
    if (!enabled_)
        return;
    host_.mouseDown(Qt::RightButton);
    host_.popupMenuAtCursor();
}

void TrayIconLogic::middleClick() {
    if (!enabled_)
        return;
    host_.mouseDown(Qt::MiddleButton);
}

void TrayIconLogic::doubleClick() {
    if (!enabled_)
        return;
    clickReady_ = false;
    dblClickHappened_ = true;
    host_.dblClick();
    // With the menu on the left button the double click belongs to the menu.
    if (!leftPopup_)
        host_.runDefaultMenuItem();
}

void TrayIconLogic::balloonClicked() {
    if (!enabled_)
        return;
    host_.balloonClick();
}

void TrayIconLogic::clickTimerElapsed() {
    host_.stopClickTimer();
    clickTimerRunning_ = false;
    const bool fire = enabled_ && clickReady_ && !dblClickHappened_;
    clickReady_ = false;
    dblClickHappened_ = false;
    if (fire)
        host_.click();
}

} // namespace mz
