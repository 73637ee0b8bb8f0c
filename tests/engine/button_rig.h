#pragma once

// A device on fakes with the hands of a user: the mouse on the hot zones (the
// press and release reach the picture the press began on, as the window's
// mouse capture delivers them) and the keys.

#include <gtest/gtest.h>

#include <string>

#include "forms/keys.h"
#include "forms/mouse.h"
#include "tests/support/engine_fixture.h"

namespace buttons_test {

using engine::DeviceEngine;

// A point inside each hot zone, and one on no zone at all.
inline constexpr forms::Point kOnGameA{290, 28};
inline constexpr forms::Point kOnGameB{290, 50};
inline constexpr forms::Point kOnTime{290, 72};
inline constexpr forms::Point kOnLeft{36, 138};
inline constexpr forms::Point kOnRight{295, 138};
inline constexpr forms::Point kOnAlarm{312, 38};
inline constexpr forms::Point kOnACL{312, 61};
inline constexpr forms::Point kOnLogo{30, 45};
inline constexpr forms::Point kOffZones{160, 180};

class ButtonRig : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    DeviceEngine& d = rig.device;

    ButtonRig() {
        rig.clock.set(10, 15, 20);  // 10:15:20 AM
        d.DoShowTime(d.NowText());  // as the first clock tick draws it
    }

    // The pointer goes down on a hot zone's picture with the left button.
    void press(int16_t code, forms::Point at) {
        rig.cursor.pos = at;
        pressedOn_ = code;
        d.ButtonMouseDown(code, forms::kLeftButton);
    }
    void moveTo(forms::Point at) { rig.cursor.pos = at; }
    // One tick's worth of tracking.
    void poll() { d.DoTrackButtons(); }
    // The left button comes up; the picture that took the press gets it.
    void release() { d.ButtonMouseUp(pressedOn_, forms::kLeftButton); }
    // A whole click on a zone.
    void click(int16_t code, forms::Point at) {
        press(code, at);
        poll();
        release();
    }

    void keyDown(int16_t key) { d.Form_KeyDown(key, 0); }
    void keyUp(int16_t key) { d.Form_KeyUp(key, 0); }
    void tap(int16_t key) {
        keyDown(key);
        keyUp(key);
    }

    bool pressed(int16_t code) const { return d.ShowsPressed(code); }
    bool released(int16_t code) const { return d.ShowsReleased(code); }
    bool logoLit() const { return d.Logo->holds(d.VistrelLogo[1]->picture()); }

    // The four digit places as they read: " 630" for 6:30, "  57" for a score
    // of 57; a blank for a hidden place, '?' for a picture that is no digit.
    std::string digits() const {
        const engine::PictureElement* places[] = {d.HourDigit[0], d.HourDigit[1], d.MinuteDigit[0], d.MinuteDigit[1]};
        std::string out;
        for (const engine::PictureElement* e : places) {
            char c = ' ';
            if (e->visible()) {
                c = '?';
                for (int n = 0; n < 10; ++n)
                    if (e->holds(d.Number[n]->picture())) c = static_cast<char>('0' + n);
            }
            out += c;
        }
        return out;
    }
    // Which game mark is lit: "A", "B", "AB" or "".
    std::string gameMark() const {
        return std::string(d.GameType[0]->visible() ? "A" : "") + (d.GameType[1]->visible() ? "B" : "");
    }
    // Puts the device into a game without the board's help.
    void inPlay(uint8_t game = engine::GameA) {
        d.GameMode = true;
        d.CurrentGame = game;
        d.Misses = 0;
    }
    void inGameOver(uint8_t game = engine::GameA, int16_t score = 42) {
        inPlay(game);
        d.Misses = 4;
        d.CaughtCounter = 7;
        d.Score = score;
        d.DoShowScore(score);
        d.DoShowGameType(game);
    }

private:
    int16_t pressedOn_ = engine::ButtonNone;
};

}  // namespace buttons_test
