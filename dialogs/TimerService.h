// A process-wide service of millisecond timers with one worker thread.
//
// The worker sleeps until the earliest armed timer is due (see TimerSchedule
// for when that is) and wakes for nothing else but a change to its list, so
// an idle service costs no processor time. A due timer fires in one of two
// ways:
//  - UserInterface (the usual kind): its callback is posted to the thread of
//    the context object given when it was added, normally the user-interface
//    thread, and runs there from the event loop. While one call is waiting
//    to run, further firings are dropped rather than queued, so a busy
//    event loop never receives a backlog. A posted call that arrives after
//    the timer was stopped or removed does nothing, and destroying the
//    context discards it.
//  - Worker: the callback runs on the worker thread, outside the lock.
//
// The worker never waits for the user-interface thread, so the service stops
// at once when it is destroyed, even after the event loop has gone.
//
// Instance() is the service of the whole program: it is made on first use
// and stops at program end. Tests make their own, with a clock of their own.
//
// Any thread may call the public functions. Remove does not return while the
// timer's Worker callback runs on another thread; a callback may remove or
// stop its own timer.
#pragma once

#include "dialogs/TimerClock.h"
#include "dialogs/TimerSchedule.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class QObject;

namespace mz {

class TimerService {
public:
    enum class FireOn { UserInterface, Worker };
    using Id = TimerSchedule::Id;

    explicit TimerService(std::unique_ptr<TimerClock> clock = nullptr);
    ~TimerService();
    TimerService(const TimerService&) = delete;
    TimerService& operator=(const TimerService&) = delete;

    static TimerService& Instance();

    // Registers a timer that is not running yet. A UserInterface timer needs
    // `context`, which must outlive the timer's registration.
    Id Add(FireOn kind, QObject* context, std::function<void()> callback);
    void Remove(Id id);

    // Runs the timer every `interval` ms from now on (a running timer counts
    // again from now).
    void Start(Id id, std::uint32_t interval);
    void Stop(Id id);

    std::uint64_t Now() const;
    // How often the worker has woken up so far, for tests and benchmarks.
    std::uint64_t WakeCount() const;

private:
    struct Timer;

    void Run();
    void FireLocked(Id id, std::unique_lock<std::mutex>& lock);

    std::unique_ptr<TimerClock> m_clock;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // the worker sleeps on it
    std::condition_variable m_idle; // a Worker callback has returned
    TimerSchedule m_schedule;
    std::map<Id, std::shared_ptr<Timer>> m_timers;
    Id m_nextId = 1;
    Id m_running = 0; // the timer whose Worker callback runs now
    std::uint64_t m_wakeCount = 0;
    bool m_stopping = false;
    std::thread m_worker; // last: starts when everything else exists
};

} // namespace mz
