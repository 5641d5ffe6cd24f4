// The popup's current-message position.
//
// Min is 0 when there are no messages and 1 otherwise, Max the number of
// messages, Position the 1-based current message (0 for none), Visible true
// exactly when there is more than one message (the navigation strip shows).
// Setting Max below Min, or Min above Max, is ignored, so callers order their
// writes accordingly. Setting Position stores it and calls the change handler
// (the popup resets its scroll offset there). User-interface thread only.
#pragma once

#include <functional>

namespace mz {

class TMsgScroller {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    bool Visible() const { return visible_; }

    void SetMin(int v) {
        if (v <= max_)
            min_ = v;
    }
    void SetMax(int v) {
        if (v >= min_)
            max_ = v;
    }
    void SetPosition(int v) {
        position_ = v;
        if (onChange_)
            onChange_();
    }
    void SetVisible(bool v) { visible_ = v; }

    bool CanGoBack() const { return min_ < position_; }
    bool CanGoForward() const { return position_ < max_; }

    void SetOnChange(std::function<void()> h) { onChange_ = std::move(h); }

private:
    int min_ = 0;
    int max_ = 0;
    int position_ = 0;
    bool visible_ = false;
    std::function<void()> onChange_;
};

} // namespace mz
