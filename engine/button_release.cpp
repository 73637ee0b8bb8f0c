#include "engine/button_actions.h"
#include "engine/device_engine.h"
#include "forms/convert.h"
#include "forms/time_text.h"

namespace engine {

namespace button_actions {

namespace {
constexpr const char* kDefaultAlarmTime = "120000 PM";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
int twoDigits(const std::string& s, size_t at) {
    return (s[at] - '0') * 10 + (s[at + 1] - '0');
}
// Whether a text has the form "hhmmss AMPM" with hours 01..12.
bool isTimeText(const std::string& text) {
    if (text.size() != 9 || text[6] != ' ') return false;
    for (size_t i = 0; i < 6; ++i)
        if (!isDigit(text[i])) return false;
    const int hour = twoDigits(text, 0);
    if (hour < 1 || hour > 12 || twoDigits(text, 2) > 59 || twoDigits(text, 4) > 59) return false;
    const std::string marks = text.substr(7);
    return marks == "AM" || marks == "PM";
}
}  // namespace

std::string storedAlarmTime(DeviceEngine& d) {
    const std::string text = d.services().settings.get("Alarm Time");
    return isTimeText(text) ? text : kDefaultAlarmTime;
}

void setClockFrom(DeviceEngine& d, const std::string& timeText) {
    using forms::mid;
    const std::string clockText = mid(timeText, 1, 2) + ":" + mid(timeText, 3, 2) + ":" + mid(timeText, 5, 5);
    if (auto t = forms::parseClockText(clockText)) d.services().clock.setTimeOfDay(*t);
}

void stepLeft(DeviceEngine& d) {
    if (d.CaughtCounter == 0 && d.GameMode)
        d.DoDiverBack();
    else if (d.TimeSetMode == 1 || d.AlarmSetMode != AlarmSetOff)
        d.DoAdvanceTime(true);
}

void stepRight(DeviceEngine& d) {
    if (d.CaughtCounter == 0 && d.GameMode && d.DiverPos <= 5 && !(d.DiverPos == 0 && d.BonusFlash != 0))
        d.DoDiverForward();
    else if (d.TimeSetMode == 1 || d.AlarmSetMode != AlarmSetOff)
        d.DoAdvanceTime(false);
}

void releaseGame(DeviceEngine& d, int16_t code) {
    if (d.GameInPlay() || d.AlarmSetMode != AlarmSetOff || d.TimeSetMode != 0) return;
    if (d.GameMode && d.Misses == 4) d.DoEndGame();
    d.CurrentGame = code == ButtonGameB ? GameB : GameA;
    d.DoStartGame();
}

void releaseTime(DeviceEngine& d, bool silenceAfterGameOver) {
    if (!d.GameMode) {
        d.BabyDrellok->hide();
        d.SetInterval(50);
    }
    if (d.AlarmSetMode != AlarmSetOff) {
        d.services().settings.write("Alarm Time", d.SetTimeText);
        d.AlarmSetMode = AlarmSetOff;
        d.DoResetGame();
        d.AlarmSilenced = false;
    } else if (d.TimeSetMode != 0) {
        setClockFrom(d, d.SetTimeText);
        d.TimeSetMode = 0;
        d.DoResetGame();
        d.AlarmSilenced = false;
    }
    if (d.Misses == 4) {
        d.DoEndGame();
        d.DoClearPath();
        // TIME held in the game over lit the creature beside the alarm time;
        // the clock coming back must not keep it.
        d.BabyDrellok->hide();
        if (silenceAfterGameOver) d.AlarmSilenced = true;
    }
}

void clearStoredScoresAndAlarm(DeviceEngine& d) {
    forms::SettingsStore& settings = d.services().settings;
    settings.write("Game A High Score", "0");
    settings.write("Game B High Score", "0");
    settings.write("Alarm Time", kDefaultAlarmTime);
    settings.write("Alarm On", "False");
}

void stopRinging(DeviceEngine& d) {
    // An alarm ringing through a game is not silenced by the release; with
    // AlarmRinging cleared nothing would ever take its marks down again.
    if (d.AlarmRinging) {
        d.Alarm[0]->hide();
        d.Alarm[1]->hide();
    }
    d.AlarmRinging = false;
}

}  // namespace button_actions

using namespace button_actions;

void DeviceEngine::DoButtonUp() {
    if (KeyHeld) return;  // a key holds the button: the mouse has no say
    DoSilenceAlarm();

    const int16_t code = PressedButton;
    switch (code) {
        case ButtonGameA:
        case ButtonGameB:
            GiveLook(code, 0);
            releaseGame(*this, code);
            break;

        case ButtonTime:
            GiveLook(code, 0);
            releaseTime(*this, true);
            break;

        case ButtonLeft:
            GiveLook(code, 0);
            stepLeft(*this);
            break;

        case ButtonRight:
            GiveLook(code, 0);
            stepRight(*this);
            break;

        case ButtonAlarm:
            GiveLook(code, 0);
            if (!GameMode) SetInterval(200);
            if (AlarmSetMode == AlarmSetPreview) {
                AlarmSetMode = AlarmSetEditing;
                SetTimeText = storedAlarmTime(*this);
            } else if (AlarmSetMode == AlarmSetEditing) {
                services().settings.write("Alarm On", forms::booleanText(AlarmOn));
            }
            break;

        case ButtonACL:
            GiveLook(code, 0);
            clearStoredScoresAndAlarm(*this);
            ResetScreen->hide();
            GameMode = false;  // abandoned, not ended: CurrentGame stays
            DoResetGame();
            AlarmSetMode = AlarmSetOff;
            TimeSetMode = 1;
            AlarmSilenced = false;
            stopRinging(*this);
            SetInterval(200);
            SetTimeText = "120000 AM";
            DoShowTime(SetTimeText);
            setClockFrom(*this, SetTimeText);
            BabyDrellok->hide();
            DoResetGame();
            break;

        case ButtonLogo:
            GiveLook(code, 0);
            Window().mAbout_Click();
            break;

        default: break;  // let go outside every zone: no command
    }

    PressedButton = ButtonNone;
    // A best-score preview that did not become a game hands the digits back.
    if (!GameMode && ScoreShown) {
        ScoreShown = false;
        DoShowGameType(CurrentGame);
    }
}

}  // namespace engine
