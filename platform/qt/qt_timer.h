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

    // 0 (or less) stops the timer; the same interval again keeps its pace
    // (and a sleep); a new one ends a sleep.
    void setInterval(int32_t ms) override;
    int32_t interval() const override { return interval_; }
    void sleepFor(int32_t ms) override;
    void wake() override;
    bool isActive() const { return timer_.isActive(); }
    bool sleeping() const { return sleeping_; }

private:
    void startPace();

    QTimer timer_;
    int32_t interval_ = 0;
    bool sleeping_ = false;
    std::function<void()> onTick_;
};

}  // namespace qtplatform
