#include "platform/qt/qt_system_time.h"

namespace qtplatform {

forms::TimeOfDay LocalTimeOfDay::at(std::time_t utc) {
    if (utc != offsetSecond_) {
        // localtime_r keeps the zone it first read; a zone changed on the
        // computer since (TZ, /etc/localtime) is taken up here.
        tzset();
        std::tm local{};
        if (localtime_r(&utc, &local) != nullptr) offsetSeconds_ = local.tm_gmtoff;
        offsetSecond_ = utc;
    }
    return forms::TimeOfDay::fromSeconds(static_cast<int>((utc + offsetSeconds_) % 86400));
}

forms::TimeOfDay QtSystemTime::now() const {
    timespec current{};
    clock_gettime(CLOCK_REALTIME, &current);
    return local_.at(current.tv_sec);
}

int32_t msToNextSecond(long nanos) {
    constexpr long kNanosPerMs = 1'000'000;
    return static_cast<int32_t>((1'000'000'000L - nanos + kNanosPerMs - 1) / kNanosPerMs);
}

int32_t QtSystemTime::msToNextSecond() const {
    timespec current{};
    clock_gettime(CLOCK_REALTIME, &current);
    return qtplatform::msToNextSecond(current.tv_nsec);
}

std::optional<std::time_t> sameDayAt(std::time_t now, forms::TimeOfDay t) {
    std::tm day{};
    if (localtime_r(&now, &day) == nullptr) return std::nullopt;
    day.tm_hour = t.hour;
    day.tm_min = t.minute;
    day.tm_sec = t.second;
    day.tm_isdst = -1;  // whatever holds on that day at that time
    const std::time_t moment = std::mktime(&day);
    if (moment == static_cast<std::time_t>(-1)) return std::nullopt;
    return moment;
}

bool QtSystemTime::trySetTimeOfDay(forms::TimeOfDay t) {
    timespec current{};
    if (clock_gettime(CLOCK_REALTIME, &current) != 0) return false;
    const auto moment = sameDayAt(current.tv_sec, t);
    if (!moment) return false;
    const timespec wanted{*moment, 0};
    return clock_settime(CLOCK_REALTIME, &wanted) == 0;
}

}  // namespace qtplatform
