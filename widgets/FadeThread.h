// One fade of the alert popup, in or out, on a worker thread.
//
// The thread never touches a window: every opacity step is handed to the
// user-interface thread through a UiHandoff and the thread waits until the
// step has been applied. Between steps it waits FadeTime milliseconds by
// noting the clock and sleeping 1 ms at a time, so the steps keep their
// spacing even when a hand-off takes a while, and it polls two flags: its own
// stop request and the component's hovered state (both atomics). Either ends
// the fade at the next step, without the final step. When the fade ends the
// completion routine is posted to the user-interface thread.
//
// Fade-in: AlphaStart, then AlphaStart, AlphaStart + step, ... below
// AlphaEnd, each followed by a wait, then AlphaEnd. Fade-out: AlphaEnd,
// AlphaEnd - step, ... above 0, each followed by a wait, then AlphaStart.
// With 0, 220, step 2 and 10 ms that is 0, 0, 2, ... 218, 220 with 110 waits.
// A step of 0 counts as 1, so a fade always ends.
//
// The parameters are copied when the thread is made; later property changes
// reach the next fade. The owner creates, starts and joins it on the
// user-interface thread; the clock, the hand-off and the hovered flag must
// outlive the thread.
#pragma once

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <thread>

namespace mz {

class UiHandoff;

// Time for the fade thread; tests replace it to run fades without waiting.
// Called from worker threads only.
class FadeClock {
public:
    virtual ~FadeClock() = default;
    virtual qint64 NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

// The monotonic clock and real sleeps.
class SteadyFadeClock : public FadeClock {
public:
    qint64 NowMs() override;
    void SleepMs(int ms) override;
};

struct FadeParams {
    bool fadeIn = true;
    int alphaStart = 0;
    int alphaEnd = 180;
    int fadeStep = 2;
    int fadeTime = 50;
};

class TFadeThread {
public:
    // Both run on the user-interface thread.
    using ApplyFn = std::function<void(TFadeThread* thread, int opacity)>;
    using DoneFn = std::function<void(TFadeThread* thread)>;

    TFadeThread(const FadeParams& params, UiHandoff& handoff, FadeClock& clock,
                const std::atomic<bool>& hovered, ApplyFn apply, DoneFn done);
    // Joins the thread; stop it first.
    ~TFadeThread();
    TFadeThread(const TFadeThread&) = delete;
    TFadeThread& operator=(const TFadeThread&) = delete;

    void Start();
    void RequestStop() { stop_.store(true); }
    bool StopRequested() const { return stop_.load(); }
    // The fade ran to its last step.
    bool Completed() const { return completed_.load(); }
    // The worker has left its routine (Join no longer waits for it).
    bool Finished() const { return finished_.load(); }
    bool FadeIn() const { return params_.fadeIn; }
    void Join();

private:
    void run();
    bool interrupted() const { return stop_.load() || hovered_.load(); }
    bool apply(int opacity);
    void wait();

    const FadeParams params_;
    UiHandoff& handoff_;
    FadeClock& clock_;
    const std::atomic<bool>& hovered_;
    ApplyFn apply_;
    DoneFn done_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> completed_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace mz
