#include "dialogs/ServiceTimer.h"

#include <utility>

namespace mz {

ServiceTimer::ServiceTimer(std::function<void()> onTimer, TimerService::FireOn kind, TimerService& service)
    : m_service(service), m_context(std::make_unique<QObject>()),
      m_id(service.Add(kind, m_context.get(), std::move(onTimer))) {}

ServiceTimer::~ServiceTimer() {
    m_service.Remove(m_id);
    m_context.reset();
}

void ServiceTimer::setInterval(std::uint32_t interval) {
    m_interval = interval;
    if (m_enabled)
        m_service.Start(m_id, m_interval);
}

void ServiceTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        m_service.Start(m_id, m_interval);
    else
        m_service.Stop(m_id);
}

} // namespace mz
