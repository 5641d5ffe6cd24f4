#include "dialogs/TimerService.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <utility>

namespace mz {

struct TimerService::Timer {
    FireOn kind;
    QObject* context = nullptr; // outlives the registration
    std::function<void()> callback;
    // Shared with the calls posted to the context's thread, which may run
    // after the registration is gone.
    std::shared_ptr<std::atomic<bool>> armed = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> posted = std::make_shared<std::atomic<bool>>(false);
};

TimerService::TimerService(std::unique_ptr<TimerClock> clock)
    : m_clock(clock ? std::move(clock) : makeSteadyTimerClock()), m_worker([this] { Run(); }) {}

TimerService::~TimerService() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        // Calls still waiting in an event queue find their timer stopped.
        for (const auto& [id, timer] : m_timers)
            timer->armed->store(false);
    }
    m_wake.notify_all();
    m_worker.join();
}

TimerService& TimerService::Instance() {
    static TimerService service;
    return service;
}

TimerService::Id TimerService::Add(FireOn kind, QObject* context, std::function<void()> callback) {
    auto timer = std::make_shared<Timer>();
    timer->kind = kind;
    timer->context = context;
    timer->callback = std::move(callback);
    std::lock_guard lock(m_mutex);
    const Id id = m_nextId++;
    m_timers.emplace(id, std::move(timer));
    return id;
}

void TimerService::Remove(Id id) {
    std::unique_lock lock(m_mutex);
    if (std::this_thread::get_id() != m_worker.get_id())
        m_idle.wait(lock, [&] { return m_running != id; });
    auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    found->second->armed->store(false);
    m_schedule.Disarm(id);
    m_timers.erase(found);
    // Nothing to wake the worker for: a sleep that ends early for a timer
    // that is gone simply finds nothing due.
}

void TimerService::Start(Id id, std::uint32_t interval) {
    {
        std::lock_guard lock(m_mutex);
        auto found = m_timers.find(id);
        if (found == m_timers.end())
            return;
        found->second->armed->store(true);
        m_schedule.Arm(id, interval, m_clock->Now());
    }
    m_wake.notify_all(); // the worker may be sleeping past the new due tick
}

void TimerService::Stop(Id id) {
    std::lock_guard lock(m_mutex);
    auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    found->second->armed->store(false);
    m_schedule.Disarm(id);
}

std::uint64_t TimerService::Now() const {
    return m_clock->Now();
}

std::uint64_t TimerService::WakeCount() const {
    std::lock_guard lock(m_mutex);
    return m_wakeCount;
}

void TimerService::Run() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        for (Id id : m_schedule.TakeDue(m_clock->Now())) {
            // A Worker callback of an earlier timer may have stopped this one.
            if (m_stopping || !m_schedule.IsArmed(id))
                continue;
            FireLocked(id, lock);
        }
        if (m_stopping)
            break;
        m_clock->Wait(m_wake, lock, m_schedule.NextDue());
        ++m_wakeCount;
    }
}

void TimerService::FireLocked(Id id, std::unique_lock<std::mutex>& lock) {
    const std::shared_ptr<Timer> timer = m_timers.at(id);
    if (timer->kind == FireOn::Worker) {
        // Run outside the lock so that the callback may call the service;
        // Remove from another thread waits for m_running to clear.
        m_running = id;
        lock.unlock();
        timer->callback();
        lock.lock();
        m_running = 0;
        m_idle.notify_all();
        return;
    }
    // Posted while the lock is held: a timer being removed cannot lose its
    // context half way through the post.
    if (!timer->context || timer->posted->exchange(true))
        return;
    QMetaObject::invokeMethod(
        timer->context,
        [armed = timer->armed, posted = timer->posted, callback = timer->callback] {
            posted->store(false);
            if (armed->load())
                callback();
        },
        Qt::QueuedConnection);
}

} // namespace mz
