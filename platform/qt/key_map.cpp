#include "platform/qt/key_map.h"

#include "forms/keys.h"
#include "forms/mouse.h"

namespace qtplatform {

namespace {

namespace vk = forms::vk;

// Virtual-key codes the forms layer does not name.
constexpr int16_t kClear = 12;
constexpr int16_t kPause = 19;
constexpr int16_t kCapital = 20;
constexpr int16_t kPrint = 44;
constexpr int16_t kLeftWindows = 91;
constexpr int16_t kApps = 93;
constexpr int16_t kMultiply = 106;
constexpr int16_t kAdd = 107;
constexpr int16_t kSubtract = 109;
constexpr int16_t kDecimal = 110;
constexpr int16_t kDivide = 111;
constexpr int16_t kNumLock = 144;
constexpr int16_t kScroll = 145;

// X11 key codes of the main digit row, "1" to "9" then "0".
constexpr quint32 kFirstDigitRowScanCode = 10;
constexpr quint32 kLastDigitRowScanCode = 19;

int16_t keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<int16_t>(vk::Numpad0 + (key - Qt::Key_0));
    switch (key) {
        case Qt::Key_Asterisk: return kMultiply;
        case Qt::Key_Plus: return kAdd;
        case Qt::Key_Minus: return kSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma: return kDecimal;
        case Qt::Key_Slash: return kDivide;
        default: return 0;  // navigation keys (NumLock off) are the same keys as elsewhere
    }
}

int16_t namedKey(int key) {
    switch (key) {
        case Qt::Key_Backspace: return vk::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return vk::Tab;
        case Qt::Key_Clear: return kClear;
        case Qt::Key_Return:
        case Qt::Key_Enter: return vk::Return;
        case Qt::Key_Shift: return vk::Shift;
        case Qt::Key_Control: return vk::Control;
        case Qt::Key_Alt:
        case Qt::Key_AltGr: return vk::Menu;
        case Qt::Key_Pause: return kPause;
        case Qt::Key_CapsLock: return kCapital;
        case Qt::Key_Escape: return vk::Escape;
        case Qt::Key_Space: return vk::Space;
        case Qt::Key_PageUp: return vk::Prior;
        case Qt::Key_PageDown: return vk::Next;
        case Qt::Key_End: return vk::End;
        case Qt::Key_Home: return vk::Home;
        case Qt::Key_Left: return vk::Left;
        case Qt::Key_Up: return vk::Up;
        case Qt::Key_Right: return vk::Right;
        case Qt::Key_Down: return vk::Down;
        case Qt::Key_Print: return kPrint;
        case Qt::Key_Insert: return vk::Insert;
        case Qt::Key_Delete: return vk::Delete;
        case Qt::Key_Meta: return kLeftWindows;
        case Qt::Key_Menu: return kApps;
        case Qt::Key_NumLock: return kNumLock;
        case Qt::Key_ScrollLock: return kScroll;
        // The US layout's punctuation keys.
        case Qt::Key_Semicolon: return 186;
        case Qt::Key_Equal: return 187;
        case Qt::Key_Comma: return 188;
        case Qt::Key_Minus: return 189;
        case Qt::Key_Period: return 190;
        case Qt::Key_Slash: return 191;
        case Qt::Key_QuoteLeft: return 192;
        case Qt::Key_BracketLeft: return 219;
        case Qt::Key_Backslash: return 220;
        case Qt::Key_BracketRight: return 221;
        case Qt::Key_Apostrophe: return 222;
        default: return 0;
    }
}

}  // namespace

int16_t virtualKey(int key, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int16_t code = keypadKey(key)) return code;
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<int16_t>(vk::Key0 + (key - Qt::Key_0));
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<int16_t>(vk::KeyA + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<int16_t>(vk::F1 + (key - Qt::Key_F1));
    // "!" (Shift+1), or a layout whose digit row types symbols: the key's
    // place on the keyboard says which digit it is.
    if (!modifiers.testFlag(Qt::KeypadModifier) && nativeScanCode >= kFirstDigitRowScanCode &&
        nativeScanCode <= kLastDigitRowScanCode) {
        const int digit = static_cast<int>((nativeScanCode - kFirstDigitRowScanCode + 1) % 10);
        return static_cast<int16_t>(vk::Key0 + digit);
    }
    return namedKey(key);
}

int16_t shiftState(Qt::KeyboardModifiers modifiers) {
    int16_t s = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) s |= forms::kShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier)) s |= forms::kCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier)) s |= forms::kAltMask;
    return s;
}

int16_t mouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return forms::kLeftButton;
        case Qt::RightButton: return forms::kRightButton;
        case Qt::MiddleButton: return forms::kMiddleButton;
        default: return 0;  // the device knows three buttons
    }
}

int16_t mouseButtons(Qt::MouseButtons buttons) {
    int16_t held = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons.testFlag(b)) held = static_cast<int16_t>(held | mouseButton(b));
    return held;
}

}  // namespace qtplatform
