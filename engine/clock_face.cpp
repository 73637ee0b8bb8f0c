#include <cstdio>

#include "engine/device_engine.h"
#include "forms/convert.h"
#include "forms/time_text.h"

namespace engine {

namespace {
// Character n (from 1) of a text read as a digit; anything else reads as 0,
// so that a malformed stored time draws zeros instead of failing.
int digitAt(const std::string& text, size_t n) {
    if (n == 0 || n > text.size()) return 0;
    const char c = text[n - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}
char charAt(const std::string& text, size_t n) {
    return n >= 1 && n <= text.size() ? text[n - 1] : ' ';
}
}  // namespace

void DeviceEngine::DoShowTime(const std::string& TimeText) {
    const std::string marks = forms::mid(TimeText, 8, 2);
    if (marks == "AM" && !am->visible()) {
        am->show();
        pm->hide();
    } else if (marks == "PM" && !pm->visible()) {
        am->hide();
        pm->show();
    }
    if (charAt(TimeText, 1) != '0') {
        HourDigit[0]->setPicture(Number[digitAt(TimeText, 1)]->picture());
        HourDigit[0]->show();
    } else {
        HourDigit[0]->hide();
    }
    HourDigit[1]->setPicture(Number[digitAt(TimeText, 2)]->picture());
    HourDigit[1]->show();
    MinuteDigit[0]->setPicture(Number[digitAt(TimeText, 3)]->picture());
    MinuteDigit[0]->show();
    MinuteDigit[1]->setPicture(Number[digitAt(TimeText, 4)]->picture());
    MinuteDigit[1]->show();
    const int seconds = digitAt(TimeText, 5) * 10 + digitAt(TimeText, 6);
    Colon->setVisible(seconds % 2 == 0);
    Note->setVisible(StoredAlarmOn());
}

void DeviceEngine::DoShowScore(int16_t Points) {
    ScoreShown = true;
    am->hide();
    pm->hide();
    Colon->hide();
    // Scores are 0..999 by the rules; anything else would not fit the digits.
    const int points = Points < 0 ? 0 : (Points > 999 ? 999 : Points);
    char s[8];
    std::snprintf(s, sizeof s, "%03d", points);
    HourDigit[0]->hide();
    if (s[0] != '0') {
        HourDigit[1]->setPicture(Number[s[0] - '0']->picture());
        HourDigit[1]->show();
        MinuteDigit[0]->setPicture(Number[s[1] - '0']->picture());
        MinuteDigit[0]->show();
    } else {
        HourDigit[1]->hide();
        if (s[1] != '0') {
            MinuteDigit[0]->setPicture(Number[s[1] - '0']->picture());
            MinuteDigit[0]->show();
        } else {
            MinuteDigit[0]->hide();
        }
    }
    // Its visibility is left alone: the first drawing of the time shows it.
    MinuteDigit[1]->setPicture(Number[s[2] - '0']->picture());
}

void DeviceEngine::DoShowGameType(int16_t Kind) {
    switch (Kind) {
        case NoGame:
            GameType[0]->hide();
            GameType[1]->hide();
            break;
        case GameA:
            GameType[0]->show();
            GameType[1]->hide();
            break;
        case GameB:
            GameType[0]->hide();
            GameType[1]->show();
            break;
        default: break;
    }
}

void DeviceEngine::DoClockTick() {
    const std::string t = NowText();
    if (!ShowsPressed(ButtonTime) && !ScoreShown) DoShowTime(NowText());
    const uint8_t seconds = static_cast<uint8_t>(digitAt(t, 5) * 10 + digitAt(t, 6));
    if (seconds != LastSecond) {
        LastSecond = seconds;
        DoCheckAlarm();
        if (CaughtCounter > 0)
            DoMissStep();
        else
            DoDemoStep();
    }
}

}  // namespace engine
