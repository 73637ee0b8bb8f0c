#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace forms {

// Conversions between stored text and numbers. Every conversion of stored text
// has a defined answer: text that does not convert gives the caller's default.

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double v);

// A decimal number with optional sign, fraction and exponent, surrounding
// blanks allowed. Nothing else converts.
std::optional<double> parseNumber(const std::string& text);

// Whole numbers, rounded half to even; a value outside the type is no value.
std::optional<int32_t> parseLong(const std::string& text);
std::optional<int16_t> parseInteger(const std::string& text);
// "True" / "False" in any case, or a number (0 is False, anything else True).
std::optional<bool> parseBoolean(const std::string& text);

int32_t toLong(const std::string& text, int32_t fallback);
int16_t toInteger(const std::string& text, int16_t fallback);
float toSingle(const std::string& text, float fallback);
double toDouble(const std::string& text, double fallback);
bool toBoolean(const std::string& text, bool fallback);

// The stored text forms.
std::string booleanText(bool v);    // "True" / "False"
std::string numberText(int32_t v);  // "-45", "300"
std::string singleText(float v);    // shortest text that reads back as v

}  // namespace forms
