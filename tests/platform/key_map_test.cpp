#include "platform/qt/key_map.h"

#include <gtest/gtest.h>

#include "forms/keys.h"

namespace {

using qtplatform::shiftState;
using qtplatform::virtualKey;
namespace vk = forms::vk;

TEST(KeyMap, KeypadDigitsNeverLookLikeTheMainRow) {
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(virtualKey(Qt::Key_0 + d, Qt::KeypadModifier), vk::Numpad0 + d) << d;
        EXPECT_EQ(virtualKey(Qt::Key_0 + d, Qt::NoModifier), vk::Key0 + d) << d;
    }
    // With NumLock off the keypad's 1 is End, and its Enter is Enter.
    EXPECT_EQ(virtualKey(Qt::Key_End, Qt::KeypadModifier), vk::End);
    EXPECT_EQ(virtualKey(Qt::Key_Enter, Qt::KeypadModifier), vk::Return);
    EXPECT_EQ(virtualKey(Qt::Key_Plus, Qt::KeypadModifier), 107);
    // Even a keypad key that sits at a digit-row scan code stays a keypad key.
    EXPECT_EQ(virtualKey(Qt::Key_1, Qt::KeypadModifier, 10), vk::Numpad0 + 1);
}

TEST(KeyMap, LettersAreCapitalsWhateverTheShift) {
    EXPECT_EQ(virtualKey(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(virtualKey(Qt::Key_T, Qt::ShiftModifier), 84);
    EXPECT_EQ(virtualKey(Qt::Key_Z, Qt::ControlModifier), 90);
}

TEST(KeyMap, TheDevicesOtherKeys) {
    EXPECT_EQ(virtualKey(Qt::Key_Left, Qt::NoModifier), vk::Left);
    EXPECT_EQ(virtualKey(Qt::Key_Up, Qt::NoModifier), vk::Up);
    EXPECT_EQ(virtualKey(Qt::Key_Right, Qt::NoModifier), vk::Right);
    EXPECT_EQ(virtualKey(Qt::Key_Down, Qt::NoModifier), vk::Down);
    EXPECT_EQ(virtualKey(Qt::Key_F1, Qt::NoModifier), vk::F1);
    EXPECT_EQ(virtualKey(Qt::Key_F12, Qt::NoModifier), 123);
    EXPECT_EQ(virtualKey(Qt::Key_Return, Qt::NoModifier), vk::Return);
    EXPECT_EQ(virtualKey(Qt::Key_Escape, Qt::NoModifier), vk::Escape);
    EXPECT_EQ(virtualKey(Qt::Key_PageUp, Qt::NoModifier), vk::Prior);
    EXPECT_EQ(virtualKey(Qt::Key_PageDown, Qt::NoModifier), vk::Next);
    EXPECT_EQ(virtualKey(Qt::Key_Home, Qt::NoModifier), vk::Home);
    EXPECT_EQ(virtualKey(Qt::Key_End, Qt::NoModifier), vk::End);
    EXPECT_EQ(virtualKey(Qt::Key_Backspace, Qt::NoModifier), vk::Back);
    EXPECT_EQ(virtualKey(Qt::Key_Backtab, Qt::ShiftModifier), vk::Tab);
    EXPECT_EQ(virtualKey(Qt::Key_Shift, Qt::ShiftModifier), vk::Shift);
    EXPECT_EQ(virtualKey(Qt::Key_Space, Qt::NoModifier), vk::Space);
}

TEST(KeyMap, DigitRowSymbolsAreTheirDigits) {
    // Shift+1 on a US layout, and the French layout's unshifted 1 and 6.
    EXPECT_EQ(virtualKey(Qt::Key_Exclam, Qt::ShiftModifier, 10), vk::Key0 + 1);
    EXPECT_EQ(virtualKey(Qt::Key_Ampersand, Qt::NoModifier, 10), vk::Key0 + 1);
    EXPECT_EQ(virtualKey(Qt::Key_Minus, Qt::NoModifier, 15), vk::Key0 + 6);
    EXPECT_EQ(virtualKey(Qt::Key_ParenRight, Qt::ShiftModifier, 19), vk::Key0);
    // Without a scan code (or off the row) a symbol is what it is.
    EXPECT_EQ(virtualKey(Qt::Key_Exclam, Qt::ShiftModifier), 0);
    EXPECT_EQ(virtualKey(Qt::Key_Minus, Qt::NoModifier, 20), 189);
}

TEST(KeyMap, KeysWithoutACodeAreZero) {
    EXPECT_EQ(virtualKey(Qt::Key_VolumeUp, Qt::NoModifier), 0);
    EXPECT_EQ(virtualKey(0, Qt::NoModifier), 0);
    EXPECT_EQ(virtualKey(Qt::Key_unknown, Qt::NoModifier), 0);
}

TEST(KeyMap, ShiftStateBits) {
    EXPECT_EQ(shiftState(Qt::NoModifier), 0);
    EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

}  // namespace
