#pragma once

#include <ctime>
#include <optional>

#include "forms/device_clock.h"

namespace qtplatform {

// The local time of day of a UTC moment. The zone's offset from UTC is looked
// up again only at each new second: the clock is read on every tick, and a
// full local-time conversion asks the file system for the zone each time.
// Summer time begins and ends on a whole second, and a zone changed on the
// computer shows from the next second on, as a clock that is set does.
class LocalTimeOfDay {
public:
    forms::TimeOfDay at(std::time_t utc);

private:
    std::time_t offsetSecond_ = -1;
    long offsetSeconds_ = 0;
};

// Milliseconds from a moment nanos past a whole second to the next whole
// second, rounded up so that a wait of this long ends in that second: 1 to 1000.
int32_t msToNextSecond(long nanos);

// The system's local time of day. Setting it asks the operating system for
// the new time of day on today's date; without the right to set the clock the
// request is refused and the device keeps its own offset instead.
class QtSystemTime final : public forms::SystemTime {
public:
    forms::TimeOfDay now() const override;
    int32_t msToNextSecond() const override;
    bool trySetTimeOfDay(forms::TimeOfDay t) override;

private:
    mutable LocalTimeOfDay local_;
};

// The moment of the local day of `now` at the time of day t; none when the
// calendar cannot be worked out. A time that a daylight-saving change skips
// falls where the C library puts it.
std::optional<std::time_t> sameDayAt(std::time_t now, forms::TimeOfDay t);

}  // namespace qtplatform
