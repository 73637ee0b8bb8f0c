#include "forms/convert.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace forms {

double roundHalfEven(double v) {
    return std::nearbyint(v);
}  // default rounding mode: ties to even

namespace {
// The blanks of the C locale, whatever locale the program runs in.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

// std::from_chars, unlike strtod, never follows the locale's decimal mark (the
// program runs with the user's locale). It takes no blanks and no plus sign,
// so those two are dealt with here, as strtod took them.
std::optional<double> parseNumber(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    if (b < e && text[b] == '+' && b + 1 < e && (isDigit(text[b + 1]) || text[b + 1] == '.')) ++b;
    if (b == e) return std::nullopt;
    // Only plain decimal notation: no hex, no "inf", no "nan".
    for (size_t i = b; i < e; ++i) {
        const char c = text[i];
        if (!(isDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) return std::nullopt;
    }
    double v = 0;
    const auto [end, error] = std::from_chars(text.data() + b, text.data() + e, v, std::chars_format::general);
    if (error != std::errc() || end != text.data() + e || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int32_t> parseLong(const std::string& text) {
    auto v = parseNumber(text);
    if (!v) return std::nullopt;
    const double r = roundHalfEven(*v);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int16_t> parseInteger(const std::string& text) {
    auto v = parseLong(text);
    if (!v || *v < std::numeric_limits<int16_t>::min() || *v > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return static_cast<int16_t>(*v);
}

std::optional<bool> parseBoolean(const std::string& text) {
    std::string t;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "true") return true;
    if (t == "false") return false;
    if (auto v = parseNumber(text)) return *v != 0.0;
    return std::nullopt;
}

int32_t toLong(const std::string& text, int32_t fallback) {
    return parseLong(text).value_or(fallback);
}
int16_t toInteger(const std::string& text, int16_t fallback) {
    return parseInteger(text).value_or(fallback);
}
double toDouble(const std::string& text, double fallback) {
    return parseNumber(text).value_or(fallback);
}
bool toBoolean(const std::string& text, bool fallback) {
    return parseBoolean(text).value_or(fallback);
}

float toSingle(const std::string& text, float fallback) {
    auto v = parseNumber(text);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return fallback;
    return static_cast<float>(*v);
}

std::string booleanText(bool v) {
    return v ? "True" : "False";
}

std::string numberText(int32_t v) {
    return std::to_string(v);
}

std::string singleText(float v) {
    char buf[48];
    // Whole numbers (window positions are) in plain digits: "-330", not the
    // equally short "-3.3e+02" that the search below would settle for.
    if (v == 0) return "0";
    if (std::nearbyint(v) == v && std::fabs(v) < 1e15f) {
        std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(v));
        return buf;
    }
    // The shortest text that reads back as v, with a point in any locale.
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

}  // namespace forms
