#include "widgets/UiHandoff.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace mz {

UiHandoff::UiHandoff(QObject* parent) : QObject(parent) {
    fd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &UiHandoff::Drain);
    }
}

UiHandoff::~UiHandoff() {
    Shutdown();
    delete notifier_;
    if (fd_ >= 0)
        ::close(fd_);
}

bool UiHandoff::enqueue(const std::shared_ptr<Request>& r) {
    {
        std::lock_guard lock(mutex_);
        if (shutdown_)
            return false;
        queue_.push_back(r);
    }
    if (fd_ < 0) {
        // Without an eventfd the event queue wakes the drain instead.
        QMetaObject::invokeMethod(this, &UiHandoff::Drain, Qt::QueuedConnection);
        return true;
    }
    const std::uint64_t one = 1;
    // The counter only wakes the drain; a full counter still wakes it.
    [[maybe_unused]] const auto n = ::write(fd_, &one, sizeof one);
    return true;
}

bool UiHandoff::RunAndWait(Task task) {
    auto r = std::make_shared<Request>();
    r->task = std::move(task);
    if (!enqueue(r))
        return false;
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [&] { return r->done || r->dropped; });
    return r->done;
}

bool UiHandoff::Post(Task task) {
    auto r = std::make_shared<Request>();
    r->task = std::move(task);
    return enqueue(r);
}

void UiHandoff::Drain() {
    std::uint64_t count = 0;
    if (fd_ >= 0) [[maybe_unused]]
        const auto n = ::read(fd_, &count, sizeof count);
    for (;;) {
        std::shared_ptr<Request> r;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty())
                break;
            r = queue_.front();
            queue_.pop_front();
        }
        // Run outside the lock: the routine may hand over or drop in turn.
        if (r->task)
            r->task();
        {
            std::lock_guard lock(mutex_);
            r->done = true;
        }
        cv_.notify_all();
    }
}

void UiHandoff::DropPending() {
    {
        std::lock_guard lock(mutex_);
        for (const auto& r : queue_)
            r->dropped = true;
        queue_.clear();
    }
    cv_.notify_all();
}

void UiHandoff::Shutdown() {
    {
        std::lock_guard lock(mutex_);
        shutdown_ = true;
    }
    DropPending();
}

} // namespace mz
