// When the timers of the timer service are due.
//
// Time is a millisecond tick counter. An armed timer is due once the counter
// has advanced by its interval since it was armed or last fired; it fires at
// most once per tick (an interval of 0 acts as 1) and, when it fires late,
// counts its next interval from the tick it actually fired at, so that a late
// wake-up never brings a burst of catch-up firings. These are exactly the
// firings of a loop that looks at the counter every millisecond; NextDue lets
// the caller sleep until the first of them instead.
//
// A plain value without a lock: the timer service guards it with its own.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace mz {

class TimerSchedule {
public:
    using Id = std::uint64_t;
    using Tick = std::uint64_t;

    // Arms the timer (again) to fire `interval` ticks after `now`.
    void Arm(Id id, std::uint32_t interval, Tick now);
    void Disarm(Id id);
    bool IsArmed(Id id) const;

    // The earliest tick at which an armed timer is due; none when no timer is
    // armed.
    std::optional<Tick> NextDue() const;

    // The timers due at `now`, in the order they were armed; each counts its
    // next interval from `now`.
    std::vector<Id> TakeDue(Tick now);

private:
    struct Entry {
        Id id;
        std::uint32_t interval;
        Tick last; // the tick it was armed or last fired at
        Tick Due() const { return last + (interval == 0 ? 1 : interval); }
    };
    std::vector<Entry> m_entries; // in the order of arming
};

} // namespace mz
