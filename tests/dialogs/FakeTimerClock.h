// A tick counter that tests set by hand, and ways to wait for the timer
// service's worker without timing assertions.
#pragma once

#include "dialogs/TimerClock.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace mz::test {

// Records every deadline the worker asks to sleep until. It never sleeps
// longer than a millisecond of real time, so that a change of the counter is
// seen at once without the clock having to know the worker.
class FakeTimerClock : public TimerClock {
public:
    std::uint64_t Now() const override { return m_now.load(); }

    void Wait(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
              std::optional<std::uint64_t> due) override {
        {
            std::lock_guard guard(m_mutex);
            m_deadlines.push_back(due);
        }
        wake.wait_for(lock, std::chrono::milliseconds(1));
    }

    void Set(std::uint64_t now) { m_now.store(now); }

    std::vector<std::optional<std::uint64_t>> Deadlines() const {
        std::lock_guard guard(m_mutex);
        return m_deadlines;
    }
    // The deadline of the latest sleep; none before the first.
    std::optional<std::uint64_t> LastDeadline() const {
        std::lock_guard guard(m_mutex);
        return m_deadlines.empty() ? std::nullopt : m_deadlines.back();
    }
    std::size_t WaitCount() const {
        std::lock_guard guard(m_mutex);
        return m_deadlines.size();
    }

private:
    std::atomic<std::uint64_t> m_now{0};
    mutable std::mutex m_mutex;
    std::vector<std::optional<std::uint64_t>> m_deadlines;
};

// Waits, without processing events, until `done` holds; false after a
// generous limit, which only a hang reaches.
inline bool eventually(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

// Waits until the worker has gone round its loop twice more: whatever the
// counter says now has been seen and acted on.
inline bool workerCaughtUp(const FakeTimerClock& clock) {
    const std::size_t seen = clock.WaitCount();
    return eventually([&] { return clock.WaitCount() >= seen + 2; });
}

} // namespace mz::test
