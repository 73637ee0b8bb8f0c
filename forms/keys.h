#pragma once

#include <cstdint>

namespace forms {

// Windows virtual-key codes, the codes the device's key handlers are written
// against. Letters and main-row digits are their ASCII upper-case codes.
namespace vk {
inline constexpr int16_t Back = 8;
inline constexpr int16_t Tab = 9;
inline constexpr int16_t Return = 13;
inline constexpr int16_t Shift = 16;
inline constexpr int16_t Control = 17;
inline constexpr int16_t Menu = 18;
inline constexpr int16_t Escape = 27;
inline constexpr int16_t Space = 32;
inline constexpr int16_t Prior = 33;  // Page Up
inline constexpr int16_t Next = 34;   // Page Down
inline constexpr int16_t End = 35;
inline constexpr int16_t Home = 36;
inline constexpr int16_t Left = 37;
inline constexpr int16_t Up = 38;
inline constexpr int16_t Right = 39;
inline constexpr int16_t Down = 40;
inline constexpr int16_t Insert = 45;
inline constexpr int16_t Delete = 46;
inline constexpr int16_t Key0 = 48;     // '0'..'9' are 48..57
inline constexpr int16_t KeyA = 65;     // 'A'..'Z' are 65..90
inline constexpr int16_t Numpad0 = 96;  // keypad digits 96..105
inline constexpr int16_t F1 = 112;
}  // namespace vk

class KeyHandler {
public:
    virtual ~KeyHandler() = default;
    // A held key repeats as further key-downs only, as on the device's platform.
    virtual void keyDown(int16_t keyCode, int16_t shift) = 0;
    virtual void keyUp(int16_t keyCode, int16_t shift) = 0;
};

}  // namespace forms
