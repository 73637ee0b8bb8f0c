#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace qtplatform {

// Tells when the system clock is set (by the user, or by time synchronisation
// stepping it), so that a device sleeping until its next second can look at
// the clock again at once: a sleep is measured on a steady clock and would
// otherwise end at a second the clock no longer means. Gradual corrections
// are no change here. Where the system cannot tell, nothing is ever reported.
class ClockSetWatch {
public:
    explicit ClockSetWatch(std::function<void()> onSet);
    ~ClockSetWatch();
    ClockSetWatch(const ClockSetWatch&) = delete;
    ClockSetWatch& operator=(const ClockSetWatch&) = delete;

    bool watching() const { return fd_ >= 0; }

private:
    bool arm();
    void readSet();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onSet_;
};

}  // namespace qtplatform
