#pragma once

#include "forms/services.h"

namespace forms {

// The operating system's clock as the device sees it.
class SystemTime {
public:
    virtual ~SystemTime() = default;
    virtual TimeOfDay now() const = 0;
    // Milliseconds from now to the system's next whole second, 1 to 1000.
    virtual int32_t msToNextSecond() const = 0;
    // Asks the system to set its time of day, keeping the date. False when the
    // system refuses (no right to set the time) or fails.
    virtual bool trySetTimeOfDay(TimeOfDay t) = 0;
};

// The device's clock: the system time, plus an offset of its own from the
// moment the system refused to be set. The time the user set is then the time
// the device shows and rings by, for the rest of the run. Nothing is reported.
class DeviceClock final : public Clock {
public:
    explicit DeviceClock(SystemTime& system) : system_(system) {}

    TimeOfDay now() const override { return TimeOfDay::fromSeconds(system_.now().toSeconds() + offset_); }
    // The offset is whole seconds, so the device's seconds turn with the system's.
    int32_t msToNextSecond() const override { return system_.msToNextSecond(); }
    void setTimeOfDay(TimeOfDay t) override {
        if (!refused_ && system_.trySetTimeOfDay(t)) return;
        refused_ = true;
        offset_ = t.toSeconds() - system_.now().toSeconds();
    }
    int offsetSeconds() const { return offset_; }
    bool refused() const { return refused_; }

private:
    SystemTime& system_;
    bool refused_ = false;
    int offset_ = 0;
};

}  // namespace forms
