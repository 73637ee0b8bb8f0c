#pragma once

#include <QTimer>
#include <functional>

#include "forms/services.h"

namespace qtplatform {

// Timer1 on a precise QTimer: the interval is the game's pace, so the coarse
// timer's few per cent of drift would slow the game down.
class QtTimer final : public forms::Timer {
public:
    QtTimer();
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;

    void setOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

    // 0 (or less) stops the timer; the same interval again keeps its pace.
    void setInterval(int32_t ms) override;
    int32_t interval() const override { return interval_; }
    bool isActive() const { return timer_.isActive(); }

private:
    QTimer timer_;
    int32_t interval_ = 0;
    std::function<void()> onTick_;
};

}  // namespace qtplatform
