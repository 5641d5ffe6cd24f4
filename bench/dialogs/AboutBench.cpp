// The cost of the about box's scrolling text: one step with its repaint,
// which the user-interface thread pays every 60 ms, and the timer service's
// wake-ups, which should match the firings rather than a millisecond poll.
#include "dialogs/ScrollText.h"
#include "dialogs/TimerService.h"
#include "dialogs/uFrmDlgAbout.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

void BM_ScrollTextStepAndPaint(benchmark::State& state) {
    mz::TfrmDlgAbout about;
    about.show();
    mz::TScrollText& text = *about.ScrollText1;
    QImage canvas(text.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        text.Step();
        if (text.isWaitingToRestart())
            text.Restart();
        text.render(&canvas);
    }
}
BENCHMARK(BM_ScrollTextStepAndPaint);

// Wake-ups per second of a service running one 60 ms timer; a worker that
// looked every millisecond would show about 1000.
void BM_TimerServiceWakeups(benchmark::State& state) {
    mz::TimerService service;
    std::atomic<int> fired{0};
    const auto id = service.Add(mz::TimerService::FireOn::Worker, nullptr, [&] { ++fired; });
    service.Start(id, 60);
    const auto before = service.WakeCount();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    service.Remove(id);
    state.counters["wakeups_per_s"] = double(service.WakeCount() - before) / seconds;
    state.counters["firings_per_s"] = double(fired.load()) / seconds;
}
BENCHMARK(BM_TimerServiceWakeups)->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
