#include "engine/button_actions.h"
#include "engine/device_engine.h"
#include "forms/mouse.h"

namespace engine {

namespace {

// Where the pointer counts as being on a button while the mouse is held, in
// client pixels, bounds inclusive. These are the device's own numbers, not the
// images' rectangles: the top three are a pixel wider than their images, LEFT
// sits a pixel higher and RIGHT a pixel further right and two higher.
struct HotZone {
    int16_t code;
    int x0, x1, y0, y1;
    bool contains(forms::Point p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

// In the order the poll visits them.
constexpr HotZone kZones[] = {
    {ButtonGameA, 282, 297, 24, 31}, {ButtonGameB, 282, 297, 46, 53},   {ButtonTime, 282, 297, 68, 75},
    {ButtonLeft, 25, 48, 126, 149},  {ButtonRight, 284, 307, 126, 149}, {ButtonAlarm, 309, 315, 35, 41},
    {ButtonACL, 309, 315, 58, 64},   {ButtonLogo, 13, 54, 28, 63},
};

bool isButtonCode(int16_t code) {
    return code >= ButtonGameA && code <= ButtonLogo;
}

}  // namespace

namespace button_actions {

void showBestScore(DeviceEngine& d, int16_t code) {
    if (d.AlarmSetMode != AlarmSetOff || d.TimeSetMode != 0 || d.GameInPlay()) return;
    const uint8_t game = code == ButtonGameB ? GameB : GameA;
    d.DoShowScore(d.StoredHighScore(game));
    d.DoShowGameType(game);
}

void showTimePreview(DeviceEngine& d, bool keepRingingCreature) {
    if (d.GameInPlay()) return;
    if (d.AlarmSetMode == AlarmSetOff) {
        d.DoShowTime(storedAlarmTime(d));
        d.BabyDrellok->show();
    } else if (d.TimeSetMode == 0) {
        d.DoShowTime(d.NowText());
        if (!(keepRingingCreature && d.AlarmRinging)) d.BabyDrellok->hide();
    }
}

void pressAlarm(DeviceEngine& d, bool loadSetTimeText) {
    if (d.AlarmSetMode == AlarmSetOff) {
        d.DoResetGame();
        d.AlarmSetMode = AlarmSetPreview;
        const std::string alarmTime = storedAlarmTime(d);
        if (loadSetTimeText) d.SetTimeText = alarmTime;
        d.DoShowTime(alarmTime);
        d.BabyDrellok->show();
        d.AlarmOn = d.StoredAlarmOn();
    } else {
        d.AlarmOn = !d.AlarmOn;
    }
    d.Note->setVisible(d.AlarmOn);
}

}  // namespace button_actions

using namespace button_actions;

void DeviceEngine::ButtonMouseDown(int16_t code, int16_t Button) {
    if (!isButtonCode(code)) return;
    // No button but ACL and the logo takes a press while a game unloads its
    // treasure, not even to open the menu.
    if (code <= ButtonAlarm && BoatUnload != 0 && GameMode) return;
    if (KeyHeld) return;

    if (Button != forms::kLeftButton) {
        if (code == ButtonLogo) {
            if (Button != forms::kRightButton || PressedButton != ButtonNone) return;
            Window().popupMenu();
            // The hover lit the logo before the menu took the pointer away.
            if (!Logo->holds(VistrelLogo[0]->picture())) GiveLook(ButtonLogo, 0);
            return;
        }
        if (PressedButton == ButtonNone) Window().popupMenu();
        return;
    }

    if (code == ButtonLogo) {
        PressedButton = ButtonLogo;  // the hover and the poll light it
        return;
    }
    if (code == ButtonACL) ResetScreen->show();
    GiveLook(code, 1);
    PressedButton = code;

    switch (code) {
        case ButtonGameA:
        case ButtonGameB: showBestScore(*this, code); break;
        case ButtonTime: showTimePreview(*this, false); break;
        case ButtonLeft:
        case ButtonRight: RepeatCount = 0; break;
        case ButtonAlarm:
            if (GameInPlay() || TimeSetMode != 0) break;
            if (Misses == 4) {  // leave the game over for the alarm
                DoEndGame();
                DoClearPath();
            }
            pressAlarm(*this, false);
            break;
        default: break;
    }
}

void DeviceEngine::ButtonMouseUp(int16_t code, int16_t Button) {
    if (!isButtonCode(code) || Button != forms::kLeftButton) return;
    // A key holding ACL keeps its all-clear screen: the mouse has no say while
    // a key holds a button.
    if (code == ButtonACL && !KeyHeld) ResetScreen->hide();
    DoButtonUp();
}

void DeviceEngine::Logo_MouseMove(int16_t) {
    if (PressedButton == ButtonNone && !Logo->holds(VistrelLogo[1]->picture())) GiveLook(ButtonLogo, 1);
}

void DeviceEngine::DoTrackButtons() {
    // The pointer matters only while a button is held with the mouse; reading
    // it costs a round trip to the display, so an idle clock does not.
    if (PressedButton < 0) return;
    const forms::Point p = services().cursor.position();
    PressedButton = ButtonOutside;
    for (const HotZone& zone : kZones) {
        const int16_t code = zone.code;
        if (zone.contains(p)) {
            const bool hadToPress = !ShowsPressed(code);
            if (hadToPress) GiveLook(code, 1);
            PressedButton = code;
            switch (code) {
                case ButtonGameA:
                case ButtonGameB: showBestScore(*this, code); break;
                case ButtonTime: showTimePreview(*this, true); break;
                case ButtonLeft:
                case ButtonRight:
                    if (hadToPress) RepeatCount = 0;
                    break;
                case ButtonAlarm:
                    if (hadToPress && !GameInPlay() && TimeSetMode == 0) pressAlarm(*this, true);
                    break;
                case ButtonACL:
                    if (hadToPress) ResetScreen->show();
                    break;
                default: break;
            }
            continue;
        }

        if (ShowsReleased(code)) continue;
        GiveLook(code, 0);
        switch (code) {
            case ButtonGameA:
            case ButtonGameB:
                if (AlarmSetMode != AlarmSetOff || TimeSetMode != 0) break;
                if (Misses == 4)
                    DoShowScore(Score);
                else if (!GameMode && ScoreShown)
                    ScoreShown = false;
                DoShowGameType(CurrentGame);
                break;
            case ButtonTime:
                if (!AlarmRinging) BabyDrellok->hide();
                if (Misses == 4) {
                    DoShowScore(Score);
                } else if (!GameMode && ScoreShown) {
                    ScoreShown = false;
                    DoShowGameType(CurrentGame);
                } else if (AlarmSetMode > AlarmSetOff) {
                    DoShowTime(SetTimeText);
                    BabyDrellok->show();
                    Note->setVisible(AlarmOn);
                    SetInterval(200);
                } else if (TimeSetMode == 1) {
                    DoShowTime(SetTimeText);
                    BabyDrellok->hide();
                    SetInterval(200);
                }
                break;
            case ButtonLeft:
            case ButtonRight:
                RepeatCount = 0;
                if (!GameMode && ScoreShown) {
                    ScoreShown = false;
                    DoShowGameType(CurrentGame);
                }
                break;
            case ButtonAlarm:
                if (AlarmSetMode == AlarmSetPreview) {
                    DoResetGame();
                    AlarmSetMode = AlarmSetOff;
                    DoShowTime(NowText());
                    BabyDrellok->hide();
                } else if (TimeSetMode == 0 && !GameInPlay()) {
                    // Entering switched the alarm; leaving switches it back.
                    AlarmOn = !AlarmOn;
                    Note->setVisible(AlarmOn);
                }
                break;
            case ButtonACL:
                DoResetGame();
                ResetScreen->hide();
                break;
            default: break;
        }
    }
}

}  // namespace engine
