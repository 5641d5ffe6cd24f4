#include "dialogs/TimerClock.h"

#include <chrono>

namespace mz {

namespace {

class SteadyTimerClock final : public TimerClock {
public:
    std::uint64_t Now() const override {
        return std::uint64_t(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_epoch)
                .count());
    }

    void Wait(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
              std::optional<std::uint64_t> due) override {
        if (!due) {
            wake.wait(lock);
            return;
        }
        wake.wait_until(lock, m_epoch + std::chrono::milliseconds(*due));
    }

private:
    const std::chrono::steady_clock::time_point m_epoch = std::chrono::steady_clock::now();
};

} // namespace

std::unique_ptr<TimerClock> makeSteadyTimerClock() {
    return std::make_unique<SteadyTimerClock>();
}

} // namespace mz
