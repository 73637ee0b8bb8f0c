#include "forms/time_text.h"

#include <cctype>
#include <cstdio>

namespace forms {

TimeOfDay TimeOfDay::fromSeconds(int s) {
    s %= 86400;
    if (s < 0) s += 86400;
    return TimeOfDay{s / 3600, (s / 60) % 60, s % 60};
}

namespace {
int hour12(int h) {
    const int r = h % 12;
    return r == 0 ? 12 : r;
}
const char* designator(int h) {
    return h < 12 ? "AM" : "PM";
}
}  // namespace

std::string timeText(TimeOfDay t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d %s", hour12(t.hour), t.minute % 60, t.second % 60, designator(t.hour));
    return buf;
}

std::string minuteText(TimeOfDay t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d %s", hour12(t.hour), t.minute % 60, designator(t.hour));
    return buf;
}

std::string secondsText(TimeOfDay t) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", t.second % 60);
    return buf;
}

std::string mid(const std::string& text, size_t start, size_t length) {
    if (start == 0 || start > text.size()) return std::string();
    return text.substr(start - 1, length);
}

std::optional<TimeOfDay> parseClockText(const std::string& text) {
    int h = 0, m = 0, s = 0;
    char ampm[3] = {0, 0, 0};
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%2d %2c%n", &h, &m, &s, ampm, &consumed) != 4) return std::nullopt;
    if (static_cast<size_t>(consumed) != text.size()) return std::nullopt;
    for (char c : text.substr(0, text.size() - 3))
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == ':')) return std::nullopt;
    if (h < 1 || h > 12 || m < 0 || m > 59 || s < 0 || s > 59) return std::nullopt;
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(ampm[0])));
    const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(ampm[1])));
    if (b != 'M' || (a != 'A' && a != 'P')) return std::nullopt;
    int hour = h % 12;
    if (a == 'P') hour += 12;
    return TimeOfDay{hour, m, s};
}

}  // namespace forms
