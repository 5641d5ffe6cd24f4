// Hands short routines from worker threads to the user-interface thread.
//
// A worker calls RunAndWait to have a routine run on the user-interface
// thread and to wait until it has run, or Post to queue one without waiting.
// Routines run in the order they were handed over, from the user-interface
// thread's event loop. The wake-up goes through an eventfd watched by a
// QSocketNotifier and the queue is guarded by a mutex of its own, so no
// worker ever touches a QObject (should the eventfd be unavailable, a queued
// call wakes the drain instead).
//
// The user-interface thread must never block waiting for a worker that may
// itself be waiting here. To stop workers it calls DropPending, which
// releases every waiting worker (its RunAndWait answers false, its routine is
// never run), and repeats that until the workers are gone. After Shutdown
// (or destruction) every hand-off is refused at once.
//
// Create, drain and destroy on the user-interface thread; RunAndWait and Post
// from any other thread.
#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QSocketNotifier;

namespace mz {

class UiHandoff : public QObject {
    Q_OBJECT

public:
    using Task = std::function<void()>;

    explicit UiHandoff(QObject* parent = nullptr);
    ~UiHandoff() override;

    // Worker side. False when the routine was dropped or refused.
    bool RunAndWait(Task task);
    bool Post(Task task);

    // User-interface side.
    void DropPending();
    void Shutdown();
    // Runs what is queued now (the event loop does this by itself).
    void Drain();

private:
    struct Request {
        Task task;
        bool done = false;
        bool dropped = false;
    };

    bool enqueue(const std::shared_ptr<Request>& r);

    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::shared_ptr<Request>> queue_;
    bool shutdown_ = false;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace mz
