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
    // What a look at the watch's descriptor found.
    enum class Reading { Nothing, ClockSet, Ended };
    // The system calls of the watch; a test puts its own in.
    struct System {
        std::function<int()> open;            // a descriptor, readable once the clock is set; -1 for none
        std::function<bool(int fd)> arm;      // watches for the next setting
        std::function<Reading(int fd)> read;  // once the descriptor is readable
    };
    // A timer on the wall clock that never runs out but is cancelled whenever
    // the clock is set (timerfd).
    static System timerfd();

    explicit ClockSetWatch(std::function<void()> onSet, System system = timerfd());
    ~ClockSetWatch();
    ClockSetWatch(const ClockSetWatch&) = delete;
    ClockSetWatch& operator=(const ClockSetWatch&) = delete;

    bool watching() const { return notifier_ && notifier_->isEnabled(); }

private:
    void readSet();

    System system_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onSet_;
};

}  // namespace qtplatform
