#include "platform/qt/clock_set_watch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace qtplatform {

ClockSetWatch::ClockSetWatch(std::function<void()> onSet) : onSet_(std::move(onSet)) {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) return;
    if (!arm()) {
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

// A timer on the wall clock that never runs out but is cancelled whenever the
// clock is set: its descriptor then becomes readable.
bool ClockSetWatch::arm() {
    itimerspec far{};
    far.it_value.tv_sec = INT32_MAX;  // long after anyone's alarm
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) == 0;
}

void ClockSetWatch::readSet() {
    uint64_t expirations = 0;
    const ssize_t n = read(fd_, &expirations, sizeof expirations);
    if (n < 0 && errno == EAGAIN) return;
    const bool set = n < 0 && errno == ECANCELED;
    // Cancelled (or, against all odds, run out): watch again for the next set.
    if (!arm()) notifier_->setEnabled(false);
    if (set && onSet_) onSet_();
}

}  // namespace qtplatform
