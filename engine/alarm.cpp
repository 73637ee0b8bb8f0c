#include <cctype>

#include "engine/device_engine.h"
#include "forms/time_text.h"

namespace engine {

namespace {

// Characters n and n + 1 (from 1) as a two-digit number, or -1 when they are
// not two decimal digits.
int twoDigits(const std::string& text, size_t n) {
    if (n + 1 > text.size()) return -1;
    const auto a = static_cast<unsigned char>(text[n - 1]);
    const auto b = static_cast<unsigned char>(text[n]);
    if (!std::isdigit(a) || !std::isdigit(b)) return -1;
    return (a - '0') * 10 + (b - '0');
}

// A value 0..99 with a leading zero.
std::string twoDigitText(int v) {
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

// The time being set normally comes from the device itself, but the alarm's
// is loaded from the settings store, which may have been edited by hand. A
// text that is not "hhmmss AMPM" is brought to the nearest one field by field
// before it is stepped: a number past its range is clamped to the range's end,
// hour 00 reads as 12 as on any 12-hour clock, a field that is no number takes
// midnight's value (12, 00, 00) and a designator other than AM or PM (in any
// case) becomes AM. A well-formed text, and only such a text, comes back
// unchanged.
std::string nearestTimeText(const std::string& t) {
    int hour = twoDigits(t, 1);
    if (hour <= 0) hour = 12;
    if (hour > 12) hour = 12;
    int minute = twoDigits(t, 3);
    if (minute < 0) minute = 0;
    if (minute > 59) minute = 59;
    int second = twoDigits(t, 5);
    if (second < 0) second = 0;
    if (second > 59) second = 59;
    std::string marks = forms::mid(t, 8, 2);
    for (char& c : marks) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (marks != "AM" && marks != "PM") marks = "AM";
    return twoDigitText(hour) + twoDigitText(minute) + twoDigitText(second) + " " + marks;
}

}  // namespace

void DeviceEngine::DoCheckAlarm() {
    const std::string alarmTime = services_.settings.get("Alarm Time");
    // In a setting mode, or with the alarm off, even a ringing alarm's marks
    // stay as they are.
    if (AlarmSetMode != AlarmSetOff || TimeSetMode != 0 || !Note->visible()) return;

    // The alarm's own seconds take no part: "hhmm AMPM" against the clock's.
    // Only a well-formed time text can match; a missing one or one edited out
    // of shape outside the program never rings.
    const std::string key = forms::mid(alarmTime, 1, 4) + forms::mid(alarmTime, 7, 3);
    const bool wellFormed = nearestTimeText(alarmTime) == alarmTime;
    if (wellFormed && forms::minuteText(services_.clock.now()) == key) {
        if (AlarmSilenced) return;
        if (!AlarmRinging) {
            AlarmRinging = true;
            // Once per alarm minute: a hidden window comes back if asked to.
            if (Window().autoShowChecked() && Window().hideChecked()) Window().mHide_Click();
        }
        BabyDrellok->show();
        // Each mark inverts from its own state, so both blink a second lit,
        // a second dark.
        Alarm[0]->toggleVisible();
        Alarm[1]->toggleVisible();
        // The alarm plays on its own terms: in clock mode and in game over,
        // where the game sounds are silent, but not during active play.
        if (Window().soundChecked() && (!GameMode || Misses == 4)) {
            const std::string path = SoundPath("Beep3.wav");
            if (FileExists(path)) services_.sound.play(path);
        }
    } else if (AlarmRinging) {
        BabyDrellok->hide();
        Alarm[0]->hide();
        Alarm[1]->hide();
        AlarmRinging = false;
        // AlarmSilenced outlives the minute: a silenced alarm stays quiet on
        // later days until the alarm is saved, the clock set or ACL pressed.
    }
}

void DeviceEngine::DoSilenceAlarm() {
    // During active play a button is a move, not a request for quiet.
    if (!(Misses == 4 || !GameMode) || AlarmSilenced || !AlarmRinging) return;
    AlarmSilenced = true;
    AlarmRinging = false;
    BabyDrellok->hide();
    Alarm[0]->hide();
    Alarm[1]->hide();
}

void DeviceEngine::DoAdvanceTime(bool IsHour) {
    const std::string t = nearestTimeText(SetTimeText);
    std::string next;
    if (!IsHour) {
        int m = twoDigits(t, 3) + 1;
        if (m > 59) m = 0;  // the hour stays: each field is set on its own
        next = forms::mid(t, 1, 2) + twoDigitText(m) + forms::mid(t, 5, 5);
    } else {
        const int h = twoDigits(t, 1) + 1;
        if (h >= 13) {
            next = "01" + forms::mid(t, 3, 7);
        } else if (h == 12) {
            // AM and PM change as the hour reaches 12, not as it leaves it.
            next = "12" + forms::mid(t, 3, 5) + (forms::mid(t, 8, 2) == "AM" ? "PM" : "AM");
        } else {
            next = twoDigitText(h) + forms::mid(t, 3, 7);
        }
    }
    DoShowTime(next);
    SetTimeText = next;
    // The clock tick is off while a time is set; the board moves with the steps.
    DoDemoStep();
}

}  // namespace engine
