#include "engine/button_actions.h"
#include "engine/device_engine.h"
#include "forms/convert.h"
#include "forms/keys.h"

namespace engine {

namespace {

constexpr int16_t kKey1 = forms::vk::Key0 + 1;  // main row only: keypad digits are other codes
constexpr int16_t kKey2 = forms::vk::Key0 + 2;
constexpr int16_t kKeyA = forms::vk::KeyA;
constexpr int16_t kKeyB = forms::vk::KeyA + 1;
constexpr int16_t kKeyI = forms::vk::KeyA + 8;
constexpr int16_t kKeyO = forms::vk::KeyA + 14;
constexpr int16_t kKeyR = forms::vk::KeyA + 17;
constexpr int16_t kKeyS = forms::vk::KeyA + 18;
constexpr int16_t kKeyT = forms::vk::KeyA + 19;

// The device button a key stands for, or ButtonNone.
int16_t buttonOfKey(int16_t key) {
    switch (key) {
        case forms::vk::Left:
        case forms::vk::Up: return ButtonLeft;
        case forms::vk::Right:
        case forms::vk::Down: return ButtonRight;
        case kKey1: return ButtonGameA;
        case kKey2: return ButtonGameB;
        case kKeyT: return ButtonTime;
        case kKeyA: return ButtonAlarm;
        case kKeyR: return ButtonACL;
        default: return ButtonNone;
    }
}

// The order in which a key-up looks for the held button.
constexpr int16_t kReleaseOrder[] = {ButtonLeft, ButtonRight, ButtonGameA, ButtonGameB,
                                     ButtonTime, ButtonAlarm, ButtonACL};

}  // namespace

using namespace button_actions;

void DeviceEngine::Form_KeyDown(int16_t KeyCode, int16_t) {
    // The last test also swallows the platform's repeats of a held key.
    if ((BoatUnload != 0 && GameMode) || PressedButton != ButtonNone || KeyHeld) return;

    const int16_t code = buttonOfKey(KeyCode);
    if (code == ButtonNone) {
        if (KeyCode == kKeyS) KeyHeld = true;
        return;
    }
    if (ShowsPressed(code)) return;
    GiveLook(code, 1);
    // The key holds its button from here on, whatever the modes allow.
    KeyHeld = true;

    switch (code) {
        case ButtonLeft:
            RepeatCount = 0;
            stepLeft(*this);
            break;
        case ButtonRight:
            RepeatCount = 0;
            stepRight(*this);
            break;
        case ButtonGameA:
        case ButtonGameB: showBestScore(*this, code); break;
        case ButtonTime: showTimePreview(*this, false); break;
        case ButtonAlarm:
            // From the game over too, which stays on the board.
            if (!GameInPlay() && TimeSetMode == 0) pressAlarm(*this, false);
            break;
        case ButtonACL: ResetScreen->show(); break;
        default: break;
    }
}

void DeviceEngine::Form_KeyUp(int16_t KeyCode, int16_t) {
    // Window commands run whatever the device is doing and leave a held
    // button held.
    switch (KeyCode) {
        case forms::vk::F1:
        case kKeyI: Window().mInstructions_Click(); return;
        case kKeyB: Window().mBack_Click(); return;
        case kKeyO: Window().mOptions_Click(); return;
        case forms::vk::Return: Window().popupMenu(); return;
        default: break;
    }
    if (PressedButton != ButtonNone || !KeyHeld) return;

    DoSilenceAlarm();

    // Whichever key came up releases the held button.
    int16_t held = ButtonNone;
    for (int16_t code : kReleaseOrder) {
        if (ShowsPressed(code)) {
            held = code;
            break;
        }
    }
    if (held != ButtonNone) GiveLook(held, 0);

    switch (held) {
        case ButtonLeft:
        case ButtonRight: RepeatCount = 0; break;  // the step came with the key-down

        case ButtonGameA:
        case ButtonGameB: releaseGame(*this, held); break;

        case ButtonTime: releaseTime(*this, false); break;

        case ButtonAlarm:
            if (GameInPlay() || TimeSetMode != 0) break;
            SetInterval(200);
            if (AlarmSetMode == AlarmSetPreview) {
                SetTimeText = storedAlarmTime(*this);
                AlarmSetMode = AlarmSetEditing;
            } else if (AlarmSetMode == AlarmSetEditing) {
                services().settings.write("Alarm On", forms::booleanText(AlarmOn));
            }
            break;

        case ButtonACL:
            clearStoredScoresAndAlarm(*this);
            ResetScreen->hide();
            GameMode = false;  // abandoned, not ended: CurrentGame stays
            // The digits go back to the clock; left set, a score shown in the
            // game would keep the clock from ever drawing the time again.
            ScoreShown = false;
            DoResetGame();
            AlarmSetMode = AlarmSetOff;
            TimeSetMode = 1;
            AlarmSilenced = false;
            stopRinging(*this);
            SetInterval(200);
            BabyDrellok->hide();
            SetTimeText = "120000 AM";
            DoShowTime(SetTimeText);
            break;

        default:
            if (KeyCode == kKeyS) Window().mSound_Click();
            break;
    }

    KeyHeld = false;
}

}  // namespace engine
