#include "platform/qt/clock_set_watch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>

namespace qtplatform {

ClockSetWatch::System ClockSetWatch::timerfd() {
    System system;
    system.open = [] { return timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC); };
    system.arm = [](int fd) {
        // The largest time there is, which the kernel takes as its own
        // "never": a fixed date would one day lie in the past (a 32-bit one
        // in 2038, or on a computer whose date is set far ahead), and the
        // timer would then run out as soon as it was armed.
        itimerspec never{};
        never.it_value.tv_sec = std::numeric_limits<time_t>::max();
        return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
    };
    system.read = [](int fd) {
        uint64_t expirations = 0;
        const ssize_t n = ::read(fd, &expirations, sizeof expirations);
        if (n < 0 && errno == EAGAIN) return Reading::Nothing;
        if (n < 0 && errno == ECANCELED) return Reading::ClockSet;
        return Reading::Ended;  // ran out after all, or failed
    };
    return system;
}

ClockSetWatch::ClockSetWatch(std::function<void()> onSet, System system)
    : system_(std::move(system)), onSet_(std::move(onSet)) {
    fd_ = system_.open();
    if (fd_ < 0) return;
    if (!system_.arm(fd_)) {
        close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readSet(); });
}

ClockSetWatch::~ClockSetWatch() {
    notifier_.reset();
    if (fd_ >= 0) close(fd_);
}

void ClockSetWatch::readSet() {
    switch (system_.read(fd_)) {
        case Reading::Nothing: return;
        case Reading::ClockSet:
            // Cancelled: watch again for the next setting.
            if (!system_.arm(fd_)) notifier_->setEnabled(false);
            if (onSet_) onSet_();
            return;
        case Reading::Ended:
            // Armed again, a timer that ran out would only run out again at
            // once, over and over: the watch ends here.
            notifier_->setEnabled(false);
            return;
    }
}

}  // namespace qtplatform
