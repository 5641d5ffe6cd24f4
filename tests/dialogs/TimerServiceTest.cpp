#include "dialogs/TimerService.h"
#include "dialogs/ServiceTimer.h"
#include "dialogs/TimerSchedule.h"
#include "tests/dialogs/FakeTimerClock.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <thread>

namespace {

using mz::TimerSchedule;
using mz::TimerService;
using mz::test::eventually;
using mz::test::FakeTimerClock;
using mz::test::workerCaughtUp;
using FireOn = TimerService::FireOn;

// ---- When timers are due ---------------------------------------------------

struct Change {
    std::uint64_t tick;
    TimerSchedule::Id id;
    std::optional<std::uint32_t> interval; // none: stop
};

using Firing = std::pair<std::uint64_t, TimerSchedule::Id>;

// The reference: a loop that looks at every tick, written straight from the
// rule (a timer fires once the counter has moved by its interval since it was
// armed or fired, and at most once per tick).
std::vector<Firing> pollEveryTick(const std::vector<Change>& changes, std::uint64_t end) {
    struct Running {
        std::uint32_t interval;
        std::uint64_t last;
        int order;
    };
    std::map<TimerSchedule::Id, Running> running;
    int order = 0;
    std::vector<Firing> firings;
    for (std::uint64_t tick = 0; tick <= end; ++tick) {
        for (const Change& change : changes) {
            if (change.tick != tick)
                continue;
            if (change.interval)
                running[change.id] = {*change.interval, tick, order++};
            else
                running.erase(change.id);
        }
        std::vector<std::pair<int, TimerSchedule::Id>> due;
        for (auto& [id, timer] : running) {
            if (tick - timer.last >= std::max<std::uint32_t>(timer.interval, 1)) {
                due.push_back({timer.order, id});
                timer.last = tick;
            }
        }
        std::sort(due.begin(), due.end());
        for (const auto& [ignored, id] : due)
            firings.push_back({tick, id});
    }
    return firings;
}

// The service's way: sleep until the next due tick or the next change.
std::vector<Firing> sleepUntilDue(const std::vector<Change>& changes, std::uint64_t end) {
    TimerSchedule schedule;
    std::vector<Firing> firings;
    std::uint64_t tick = 0;
    while (tick <= end) {
        for (const Change& change : changes) {
            if (change.tick != tick)
                continue;
            if (change.interval)
                schedule.Arm(change.id, *change.interval, tick);
            else
                schedule.Disarm(change.id);
        }
        for (TimerSchedule::Id id : schedule.TakeDue(tick))
            firings.push_back({tick, id});
        std::uint64_t next = end + 1;
        if (const auto due = schedule.NextDue()) {
            EXPECT_GT(*due, tick) << "a timer would fire twice in one tick";
            next = std::min(next, *due);
        }
        for (const Change& change : changes) {
            if (change.tick > tick)
                next = std::min(next, change.tick);
        }
        tick = std::max(next, tick + 1);
    }
    return firings;
}

TEST(TimerSchedule, FiresAtTheTicksOfAMillisecondPoll) {
    struct Case {
        const char* name;
        std::vector<Change> changes;
    };
    const std::vector<Case> cases = {
        {"one timer", {{0, 1, 60}}},
        {"interval 0 fires every tick", {{3, 1, 0}}},
        {"interval 1", {{0, 1, 1}}},
        {"several, armed apart", {{0, 1, 60}, {7, 2, 25}, {12, 3, 60}, {13, 4, 3000}}},
        {"same due tick, in arming order", {{0, 2, 30}, {0, 1, 30}, {10, 3, 20}}},
        {"stopped and armed again", {{0, 1, 60}, {100, 1, std::nullopt}, {150, 1, 40}, {170, 2, 5}}},
        {"armed again while running counts from then", {{0, 1, 60}, {90, 1, 60}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sleepUntilDue(c.changes, 3500), pollEveryTick(c.changes, 3500)) << c.name;
}

TEST(TimerSchedule, ALateLookFiresOnceAndCountsFromThen) {
    TimerSchedule schedule;
    schedule.Arm(1, 60, 0);
    EXPECT_EQ(schedule.NextDue(), 60u);
    EXPECT_TRUE(schedule.TakeDue(59).empty());
    EXPECT_EQ(schedule.TakeDue(200), std::vector<TimerSchedule::Id>{1});
    EXPECT_EQ(schedule.NextDue(), 260u);
    schedule.Disarm(1);
    EXPECT_EQ(schedule.NextDue(), std::nullopt);
}

// ---- The worker ------------------------------------------------------------

class TimerServiceTest : public ::testing::Test {
protected:
    TimerServiceTest()
        : clock(new FakeTimerClock),
          service(std::make_unique<TimerService>(std::unique_ptr<mz::TimerClock>(clock))) {}

    FakeTimerClock* clock; // owned by the service
    std::unique_ptr<TimerService> service;
};

TEST_F(TimerServiceTest, SleepsWithoutADeadlineWhileNothingRuns) {
    const TimerService::Id id = service->Add(FireOn::Worker, nullptr, [] {});
    ASSERT_TRUE(workerCaughtUp(*clock));
    for (const auto& deadline : clock->Deadlines())
        EXPECT_EQ(deadline, std::nullopt);

    service->Start(id, 60);
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(clock->LastDeadline(), 60u);

    service->Stop(id);
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(clock->LastDeadline(), std::nullopt);
}

TEST_F(TimerServiceTest, FiresWhenDueAndNeverCatchesUp) {
    std::mutex mutex;
    std::vector<std::uint64_t> fired;
    std::thread::id firedOn;
    const TimerService::Id id = service->Add(FireOn::Worker, nullptr, [&] {
        std::lock_guard lock(mutex);
        fired.push_back(clock->Now());
        firedOn = std::this_thread::get_id();
    });
    auto firings = [&] {
        std::lock_guard lock(mutex);
        return fired;
    };
    service->Start(id, 60);

    clock->Set(59);
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_TRUE(firings().empty());

    clock->Set(60);
    ASSERT_TRUE(eventually([&] { return firings().size() == 1; }));
    EXPECT_NE(firedOn, std::this_thread::get_id());

    clock->Set(200); // a late wake-up
    ASSERT_TRUE(eventually([&] { return firings().size() == 2; }));
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(firings(), (std::vector<std::uint64_t>{60, 200}));
    EXPECT_EQ(clock->LastDeadline(), 260u);
}

TEST_F(TimerServiceTest, UserInterfaceCallsRunInTheEventLoopWithoutABacklog) {
    QObject context;
    int calls = 0;
    bool onThisThread = false;
    const TimerService::Id id = service->Add(FireOn::UserInterface, &context, [&] {
        ++calls;
        onThisThread = QThread::currentThread() == context.thread();
    });
    service->Start(id, 10);
    for (std::uint64_t tick : {10, 20, 30}) {
        clock->Set(tick);
        ASSERT_TRUE(eventually([&] { return clock->LastDeadline() == tick + 10; }));
    }
    EXPECT_EQ(calls, 0); // nothing runs outside the event loop

    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1); // three firings, one waiting call
    EXPECT_TRUE(onThisThread);

    clock->Set(40);
    ASSERT_TRUE(eventually([&] { return clock->LastDeadline() == 50u; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 2);
    service->Remove(id);
}

TEST_F(TimerServiceTest, ACallPostedBeforeAStopDoesNothing) {
    QObject context;
    int calls = 0;
    const TimerService::Id id = service->Add(FireOn::UserInterface, &context, [&] { ++calls; });
    service->Start(id, 10);
    clock->Set(10);
    ASSERT_TRUE(workerCaughtUp(*clock));
    service->Stop(id);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
    service->Remove(id);
}

TEST_F(TimerServiceTest, DestroyingAServiceTimerDiscardsItsPostedCall) {
    auto calls = std::make_shared<int>(0);
    {
        mz::ServiceTimer timer([calls] { ++*calls; }, FireOn::UserInterface, *service);
        timer.setInterval(10);
        timer.setEnabled(true);
        clock->Set(10);
        ASSERT_TRUE(workerCaughtUp(*clock));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(*calls, 0);
}

TEST_F(TimerServiceTest, ServiceTimerCountsAgainWhenItsIntervalChanges) {
    mz::ServiceTimer timer([] {}, FireOn::Worker, *service);
    timer.setInterval(60);
    EXPECT_FALSE(timer.isEnabled());
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(clock->LastDeadline(), std::nullopt); // made stopped

    timer.setEnabled(true);
    clock->Set(50);
    timer.setInterval(60);
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(clock->LastDeadline(), 110u);
}

TEST_F(TimerServiceTest, StopsAtOnceWhileCallsWaitForAnEventLoop) {
    QObject context;
    int calls = 0;
    const TimerService::Id id = service->Add(FireOn::UserInterface, &context, [&] { ++calls; });
    service->Start(id, 1);
    clock->Set(1);
    ASSERT_TRUE(workerCaughtUp(*clock));

    // The event loop is busy (this thread waits) while another thread ends
    // the service: the worker must not wait for it.
    std::thread ending([&] { service.reset(); });
    ending.join();

    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0); // the service is gone, so are its timers
}

TEST_F(TimerServiceTest, RemoveWaitsForARunningWorkerCallback) {
    std::atomic<bool> entered{false};
    std::atomic<bool> release{false};
    std::atomic<bool> finished{false};
    const TimerService::Id id = service->Add(FireOn::Worker, nullptr, [&] {
        entered = true;
        while (!release)
            std::this_thread::yield();
        finished = true;
    });
    service->Start(id, 5);
    clock->Set(5);
    ASSERT_TRUE(eventually([&] { return entered.load(); }));

    std::atomic<bool> removed{false};
    std::thread remover([&] {
        service->Remove(id);
        removed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(removed.load()); // still running: Remove must not return
    release = true;
    remover.join();
    EXPECT_TRUE(finished.load());
}

TEST_F(TimerServiceTest, AWorkerCallbackMayRemoveItsOwnTimer) {
    std::atomic<int> calls{0};
    TimerService::Id id = 0;
    id = service->Add(FireOn::Worker, nullptr, [&] {
        ++calls;
        service->Remove(id);
    });
    service->Start(id, 5);
    clock->Set(5);
    ASSERT_TRUE(eventually([&] { return calls == 1; }));
    clock->Set(50);
    ASSERT_TRUE(workerCaughtUp(*clock));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(clock->LastDeadline(), std::nullopt);
}

TEST(TimerServiceSteadyClock, WakesOnlyWhenATimerIsDue) {
    TimerService service;
    std::atomic<int> calls{0};
    const TimerService::Id id = service.Add(FireOn::Worker, nullptr, [&] { ++calls; });
    service.Start(id, 100);
    ASSERT_TRUE(eventually([&] { return calls >= 3; }));
    service.Remove(id);
    // Three firings take 300 ms: a worker that looked every millisecond
    // would have woken some 300 times.
    EXPECT_LE(service.WakeCount(), 12u);
}

} // namespace
