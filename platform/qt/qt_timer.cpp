#include "platform/qt/qt_timer.h"

namespace qtplatform {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The held-back tick: the interval's pace goes on from here.
        if (sleeping_) startPace();
        if (onTick_) onTick_();
    });
}

void QtTimer::startPace() {
    sleeping_ = false;
    timer_.start(interval_);
}

void QtTimer::setInterval(int32_t ms) {
    if (ms == interval_ && timer_.isActive()) return;
    interval_ = ms;
    if (ms <= 0) {
        sleeping_ = false;
        timer_.stop();
        return;
    }
    startPace();
}

void QtTimer::sleepFor(int32_t ms) {
    if (interval_ <= 0) return;
    sleeping_ = true;
    timer_.start(ms < 1 ? 1 : ms);
}

void QtTimer::wake() {
    if (sleeping_) startPace();
}

}  // namespace qtplatform
