// A timer of the timer service, owned by the object it steps.
//
// Made stopped; setEnabled(true) runs it every interval() ms, and changing
// the interval of a running timer counts again from then. A UserInterface
// timer calls its callback on the thread that made the ServiceTimer, which
// must run an event loop (the user-interface thread); a Worker timer calls
// it on the service's worker.
//
// Destroying the ServiceTimer ends every call: none starts afterwards and a
// call already posted is discarded. Declare it after whatever its callback
// uses, so that it goes first. Used from the thread that made it.
#pragma once

#include "dialogs/TimerService.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

namespace mz {

class ServiceTimer {
public:
    explicit ServiceTimer(std::function<void()> onTimer,
                          TimerService::FireOn kind = TimerService::FireOn::UserInterface,
                          TimerService& service = TimerService::Instance());
    ~ServiceTimer();
    ServiceTimer(const ServiceTimer&) = delete;
    ServiceTimer& operator=(const ServiceTimer&) = delete;

    std::uint32_t interval() const { return m_interval; }
    void setInterval(std::uint32_t interval);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

private:
    TimerService& m_service;
    // The object through which UserInterface calls reach this thread; it
    // goes after the registration, taking any pending call with it.
    std::unique_ptr<QObject> m_context;
    TimerService::Id m_id;
    std::uint32_t m_interval = 1000;
    bool m_enabled = false;
};

} // namespace mz
