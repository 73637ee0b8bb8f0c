#include "engine/device_engine.h"
#include "forms/convert.h"
#include "forms/time_text.h"

namespace engine {

void DeviceEngine::Timer1_Timer() {
    if (BackCase->visible()) return;  // turned over: the device stands still
    DoTrackButtons();
    if (ResetScreen->visible()) return;  // ACL held

    if (!GameMode) {
        if (AlarmSetMode == AlarmSetOff && TimeSetMode == 0) {
            DoClockTick();
            return;
        }
        // The alarm preview draws nothing until ALARM is released.
        if (AlarmSetMode != AlarmSetEditing && TimeSetMode != 1) return;
        // A held LEFT or RIGHT repeats after three ticks; LEFT wins.
        if (ShowsPressed(ButtonLeft)) {
            if (RepeatCount < 3)
                ++RepeatCount;
            else
                DoAdvanceTime(true);
        } else if (ShowsPressed(ButtonRight)) {
            if (RepeatCount < 3)
                ++RepeatCount;
            else
                DoAdvanceTime(false);
        }
        return;
    }

    const uint8_t seconds = static_cast<uint8_t>(services_.clock.now().second);
    if (seconds != LastSecond) {
        LastSecond = seconds;
        if (Misses == 4) {
            ++SecondCounter;
            if (SecondCounter >= 60) {
                DoEndGame();
                DoClearPath();
                DoShowTime(NowText());
            }
        }
        DoCheckAlarm();
        if (BonusFlash == 0 && CaughtCounter == 0 && IdleCountdown > 0) {
            --IdleCountdown;
            if (IdleCountdown == 0) DoDiverForward();
        }
    }

    // Reads the fields as the once-a-second work left them: a game just ended
    // still gets its last catch step here.
    if (CaughtCounter == 0) {
        DoUnloadStep();
        if (BonusFlash > 0) {
            DoBonusFlash();
        } else {
            DoTentacleTurn();
            if (DiverPos > 5) DoDiverForward();
        }
    } else {
        DoMissStep();
    }
}

bool DeviceEngine::quietUntilNextSecond() const {
    if (BackCase->visible()) return true;
    // A button held with the mouse follows the pointer on every tick.
    if (PressedButton != ButtonNone) return false;
    if (ResetScreen->visible()) return true;  // ACL held by its key
    if (GameMode || AlarmSetMode != AlarmSetOff || TimeSetMode != 0) return false;
    // The clock: the tick has drawn this second's time; its once-a-second
    // work waits for a new second, unless that has come already.
    return LastSecond == services_.clock.now().second;
}

}  // namespace engine
