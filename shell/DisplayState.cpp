#include "shell/DisplayState.h"

#include <algorithm>

namespace mz {

TDisplayState::TDisplayState(TDisplayTimer& timer) : timer_(timer) {}

void TDisplayState::Update() {
    const bool run = TimerEnabled() && intervalMs_ > 0;
    if (run && !running_)
        timer_.Start(intervalMs_);
    else if (!run && running_)
        timer_.Stop();
    running_ = run;
}

void TDisplayState::Started() {
    if (terminated_)
        return;
    started_ = true;
    Update();
}

void TDisplayState::SetInterval(int intervalMs) {
    intervalMs = std::max(intervalMs, 0);
    if (terminated_ || intervalMs == intervalMs_)
        return;
    intervalMs_ = intervalMs;
    if (running_) {
        timer_.Stop();
        running_ = false;
    }
    Update();
}

void TDisplayState::ToggleBlock() {
    if (terminated_)
        return;
    blocked_ = !blocked_;
    Update();
}

void TDisplayState::OptionsShown() {
    if (terminated_)
        return;
    optionsOpen_ = true;
    Update();
}

void TDisplayState::OptionsHidden(const std::function<bool()>& confirmUnblock) {
    if (terminated_)
        return;
    optionsOpen_ = false;
    if (blocked_ && confirmUnblock && confirmUnblock())
        blocked_ = false;
    Update();
}

void TDisplayState::Terminated() {
    if (terminated_)
        return;
    terminated_ = true;
    Update();
}

TDisplayMode TDisplayState::Mode() const {
    if (terminated_)
        return TDisplayMode::Terminated;
    if (optionsOpen_)
        return TDisplayMode::OptionsOpen;
    return blocked_ ? TDisplayMode::Blocked : TDisplayMode::Displaying;
}

} // namespace mz
