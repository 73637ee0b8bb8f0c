#include "platform/qt/qt_timer.h"

namespace qtplatform {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick_) onTick_();
    });
}

void QtTimer::setInterval(int32_t ms) {
    interval_ = ms;
    if (ms <= 0) {
        timer_.stop();
        return;
    }
    if (timer_.isActive() && timer_.interval() == ms) return;
    timer_.start(ms);
}

}  // namespace qtplatform
