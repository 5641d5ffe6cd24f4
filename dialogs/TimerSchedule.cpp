#include "dialogs/TimerSchedule.h"

#include <algorithm>

namespace mz {

void TimerSchedule::Arm(Id id, std::uint32_t interval, Tick now) {
    Disarm(id);
    m_entries.push_back({id, interval, now});
}

void TimerSchedule::Disarm(Id id) {
    std::erase_if(m_entries, [id](const Entry& entry) { return entry.id == id; });
}

bool TimerSchedule::IsArmed(Id id) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [id](const Entry& entry) { return entry.id == id; });
}

std::optional<TimerSchedule::Tick> TimerSchedule::NextDue() const {
    std::optional<Tick> next;
    for (const Entry& entry : m_entries) {
        if (!next || entry.Due() < *next)
            next = entry.Due();
    }
    return next;
}

std::vector<TimerSchedule::Id> TimerSchedule::TakeDue(Tick now) {
    std::vector<Id> due;
    for (Entry& entry : m_entries) {
        if (entry.Due() <= now) {
            due.push_back(entry.id);
            entry.last = now;
        }
    }
    return due;
}

} // namespace mz
