#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace qtplatform {

// The Windows virtual-key code of a key as Qt reports it, the code the
// device's key handlers are written against; 0 for a key that has none.
// Keypad digits (Qt::KeypadModifier) are VK_NUMPAD0..9, never the main row's
// '0'..'9'; a letter is its capital whatever the shift state; a shifted or
// foreign-layout symbol on the main digit row (X11 key codes 10..19) is that
// row's digit, as the keyboard's own key code has it.
int16_t virtualKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode = 0);
inline int16_t virtualKey(const QKeyEvent& e) {
    return virtualKey(e.key(), e.modifiers(), e.nativeScanCode());
}

// The device's Shift argument: 1 Shift, 2 Ctrl, 4 Alt.
int16_t shiftState(Qt::KeyboardModifiers modifiers);

// Mouse buttons as the device's handlers see them: 1 left, 2 right, 4 middle,
// 0 for any other; for a move, the sum of the buttons held.
int16_t mouseButton(Qt::MouseButton button);
int16_t mouseButtons(Qt::MouseButtons buttons);

}  // namespace qtplatform
