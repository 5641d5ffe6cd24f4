// The desktop's wait cursor for as long as a WaitCursor lives, or until
// Restore: the hourglass while a dialog is being made, taken down before the
// dialog shows (or on the way out if it never does). User-interface thread.
#pragma once

#include <QApplication>

#include <utility>

namespace mz {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { Restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void Restore() {
        if (std::exchange(on_, false))
            QApplication::restoreOverrideCursor();
    }

private:
    bool on_ = true;
};

} // namespace mz
