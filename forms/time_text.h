#pragma once

#include <optional>
#include <string>

#include "forms/services.h"

namespace forms {

// The device's texts of a time of day. The designators are always "AM" and
// "PM", whatever the locale.

// "hhmmss AMPM": 12-hour hour 01..12, minutes, seconds, a blank, AM or PM.
std::string timeText(TimeOfDay t);
// "hhmm AMPM": the alarm's comparison key.
std::string minuteText(TimeOfDay t);
// "ss": the seconds with two digits.
std::string secondsText(TimeOfDay t);

// Reads "hh:mm:ss AM" (the text handed to the clock when it is set). Accepts
// hours 1..12 with one or two digits and AM/PM in any case; anything else is
// no time.
std::optional<TimeOfDay> parseClockText(const std::string& text);

// Characters of a text counted from 1 as the device's rules count them; a
// piece that runs past the end is cut short, one that starts past it is empty.
std::string mid(const std::string& text, size_t start, size_t length = std::string::npos);

}  // namespace forms
