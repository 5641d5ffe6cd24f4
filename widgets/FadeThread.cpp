#include "widgets/FadeThread.h"

#include "widgets/UiHandoff.h"

#include <chrono>

namespace mz {

qint64 SteadyFadeClock::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyFadeClock::SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TFadeThread::TFadeThread(const FadeParams& params, UiHandoff& handoff, FadeClock& clock,
                         const std::atomic<bool>& hovered, ApplyFn apply, DoneFn done)
    : params_(params), handoff_(handoff), clock_(clock), hovered_(hovered), apply_(std::move(apply)),
      done_(std::move(done)) {}

TFadeThread::~TFadeThread() {
    Join();
}

void TFadeThread::Start() {
    thread_ = std::thread([this] { run(); });
}

void TFadeThread::Join() {
    if (thread_.joinable())
        thread_.join();
}

bool TFadeThread::apply(int opacity) {
    // A refused hand-off means the owner is stopping every fade.
    if (!handoff_.RunAndWait([this, opacity] { apply_(this, opacity); })) {
        stop_.store(true);
        return false;
    }
    return true;
}

void TFadeThread::wait() {
    const qint64 start = clock_.NowMs();
    while (clock_.NowMs() - start < params_.fadeTime) {
        if (interrupted())
            return;
        clock_.SleepMs(1);
    }
}

void TFadeThread::run() {
    const int step = params_.fadeStep > 0 ? params_.fadeStep : 1;
    if (params_.fadeIn) {
        apply(params_.alphaStart);
        for (int a = params_.alphaStart; a < params_.alphaEnd && !interrupted(); a += step) {
            if (!apply(a))
                break;
            wait();
        }
        if (!interrupted() && apply(params_.alphaEnd))
            completed_.store(true);
    } else {
        for (int a = params_.alphaEnd; a > 0 && !interrupted(); a -= step) {
            if (!apply(a))
                break;
            wait();
        }
        if (!interrupted() && apply(params_.alphaStart))
            completed_.store(true);
    }
    handoff_.Post([this] { done_(this); });
    finished_.store(true);
}

} // namespace mz
