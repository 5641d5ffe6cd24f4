// The millisecond tick counter and the sleep of the timer service.
//
// The service reads the counter and sleeps through this interface so that
// tests can drive it with a clock of their own. Wait is called with the
// service's lock held; it releases the lock while it sleeps, as
// std::condition_variable does, and returns when `wake` is notified, when
// the counter reaches `due` (never, without one) or spuriously: the service
// looks at the counter again after every return.
//
// Any thread may call Now; the service's worker alone calls Wait.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace mz {

class TimerClock {
public:
    virtual ~TimerClock() = default;
    virtual std::uint64_t Now() const = 0;
    virtual void Wait(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                      std::optional<std::uint64_t> due) = 0;
};

// The steady clock, counted from the moment the clock is made.
std::unique_ptr<TimerClock> makeSteadyTimerClock();

} // namespace mz
