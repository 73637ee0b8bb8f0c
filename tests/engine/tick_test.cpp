#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "forms/keys.h"
#include "forms/mouse.h"
#include "tests/support/engine_fixture.h"

namespace {

class Tick : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    void pressLook(int16_t code) { d.GiveLook(code, 1); }
};

TEST_F(Tick, TurnedOverStandsStill) {
    rig.clock.set(10, 20, 30);
    d.BackCase->show();
    d.Timer1_Timer();
    EXPECT_FALSE(d.HourDigit[1]->visible());
    EXPECT_EQ(d.LastSecond, 0);
}

TEST_F(Tick, AllClearHeldDrawsNothing) {
    rig.clock.set(10, 20, 30);
    d.ResetScreen->show();
    d.Timer1_Timer();
    EXPECT_FALSE(d.HourDigit[1]->visible());
}

TEST_F(Tick, ClockModeDrawsTheTimeAndCountsTheSecond) {
    rig.clock.set(22, 5, 8);
    d.Timer1_Timer();
    EXPECT_EQ(d.HourDigit[0]->picture(), d.Number[1]->picture());
    EXPECT_EQ(d.HourDigit[1]->picture(), d.Number[0]->picture());
    EXPECT_TRUE(d.pm->visible());
    EXPECT_EQ(d.LastSecond, 8);
}

TEST_F(Tick, AlarmPreviewKeepsWhatThePressDrew) {
    d.AlarmSetMode = engine::AlarmSetPreview;
    rig.clock.set(10, 20, 30);
    d.Timer1_Timer();
    EXPECT_FALSE(d.HourDigit[1]->visible());
    EXPECT_EQ(d.LastSecond, 0);
}

TEST_F(Tick, HeldLeftRepeatsAfterThreeTicksInTheSettingMode) {
    d.TimeSetMode = 1;
    d.SetTimeText = "120000 AM";
    pressLook(engine::ButtonLeft);
    for (int i = 0; i < 3; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.RepeatCount, 3);
    EXPECT_EQ(d.SetTimeText, "120000 AM");
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "010000 AM");
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "020000 AM");
}

TEST_F(Tick, LeftWinsOverRightAndOneCounterServesBoth) {
    d.AlarmSetMode = engine::AlarmSetEditing;
    d.SetTimeText = "063000 AM";
    pressLook(engine::ButtonLeft);
    pressLook(engine::ButtonRight);
    d.RepeatCount = 3;
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "073000 AM");
}

TEST_F(Tick, NothingHeldInTheSettingModeChangesNothing) {
    d.TimeSetMode = 1;
    d.SetTimeText = "120000 AM";
    d.Timer1_Timer();
    EXPECT_EQ(d.RepeatCount, 0);
    EXPECT_EQ(d.SetTimeText, "120000 AM");
}

TEST_F(Tick, GameOverReturnsToTheClockAfterSixtySeconds) {
    rig.clock.set(9, 0, 0);
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    d.Misses = 4;
    d.CaughtCounter = 7;
    d.SecondCounter = 0;
    d.LastSecond = 0;
    for (int s = 1; s < 60; ++s) {
        rig.clock.set(9, 0, s);
        d.Timer1_Timer();
        ASSERT_TRUE(d.GameMode) << "second " << s;
    }
    EXPECT_EQ(d.SecondCounter, 59);
    rig.clock.set(9, 1, 0);
    d.Timer1_Timer();
    EXPECT_FALSE(d.GameMode);
    // The same tick ran the closing catch step: the board is tidy again.
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_FALSE(d.MissPic->visible());
    EXPECT_TRUE(d.DiverStep[0]->visible());
    EXPECT_TRUE(d.Remainder0->visible());
    EXPECT_TRUE(d.Remainder1->visible());
    EXPECT_EQ(rig.timer.interval(), 50);
    EXPECT_TRUE(d.HourDigit[1]->visible());
}

TEST_F(Tick, ManyMissedSecondsCountAsOne) {
    rig.clock.set(9, 0, 0);
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    d.LastSecond = 0;
    rig.clock.set(9, 0, 1);
    d.Timer1_Timer();
    EXPECT_EQ(d.IdleCountdown, 9);
    d.BackCase->show();
    for (int s = 2; s < 40; ++s) {
        rig.clock.set(9, 0, s);
        d.Timer1_Timer();
    }
    d.BackCase->hide();
    d.Timer1_Timer();
    EXPECT_EQ(d.IdleCountdown, 8);
}

TEST_F(Tick, IdleDiverIsPushedOffTheBoatAfterTenSeconds) {
    rig.clock.set(9, 0, 0);
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    d.LastSecond = 0;
    for (int s = 1; s <= 9; ++s) {
        rig.clock.set(9, 0, s);
        d.Timer1_Timer();
        ASSERT_EQ(d.DiverPos, 0) << "second " << s;
    }
    rig.clock.set(9, 0, 10);
    d.Timer1_Timer();
    EXPECT_EQ(d.DiverPos, 1);
    EXPECT_EQ(d.IdleCountdown, 0);
}

// ---- Quiet until the next second ---------------------------------------------

// Everything a tick could change: every element, the fields the tick's work
// moves, and what went out to the services.
std::string everything(const fakes::EngineRig& rig) {
    const engine::DeviceEngine& d = rig.device;
    std::ostringstream o;
    for (const forms::PictureElement* e : d.scene().bottomToTop())
        o << e->label() << (e->visible() ? "+" : "-") << (e->picture() ? e->picture()->key() : "") << " ";
    o << "\nLastSecond=" << int(d.LastSecond) << " Caught=" << int(d.CaughtCounter) << " Diver=" << int(d.DiverPos)
      << " Turn=" << int(d.TentacleTurn) << " Idle=" << int(d.IdleCountdown) << " Unload=" << int(d.BoatUnload)
      << " Ringing=" << d.AlarmRinging << " Score=" << d.ScoreShown << " Repeat=" << int(d.RepeatCount)
      << " Pressed=" << d.PressedButton << " Seconds=" << d.SecondCounter << " Misses=" << int(d.Misses)
      << "\nsounds=" << rig.sound.played.size() << " writes=" << rig.settings.writes.size()
      << " intervals=" << rig.timer.history.size() << " window=" << rig.window.calls.size();
    return o.str();
}

constexpr int16_t kKey1 = forms::vk::Key0 + 1;
constexpr int16_t kKeyA = forms::vk::KeyA;
constexpr int16_t kKeyR = forms::vk::KeyA + 17;
constexpr int16_t kKeyT = forms::vk::KeyA + 19;

void gameOver(fakes::EngineRig& r) {
    r.device.CurrentGame = engine::GameA;
    r.device.DoStartGame();
    r.device.Misses = 4;
    r.device.CaughtCounter = 7;
}

using Rig = fakes::EngineRig;
using Device = engine::DeviceEngine;

struct ModeCase {
    const char* mode;
    std::function<void(Rig&)> enter;
    std::function<bool(const Device&)> reached;  // after the tick that finds the new second
    bool quiet;
};

// Pressed with the mouse, the pointer staying on the button for the tick's tracking.
void holdWithMouse(Rig& r, int16_t button, forms::Point on) {
    r.cursor.pos = on;
    r.device.ButtonMouseDown(button, forms::kLeftButton);
}
constexpr forms::Point kOnGameA{289, 28};
constexpr forms::Point kOnACL{312, 61};

bool clockFace(const Device& d) {
    return !d.GameMode && d.AlarmSetMode == 0 && d.TimeSetMode == 0 && !d.ResetScreen->visible() &&
           !d.BackCase->visible();
}

// Every mode of the tick, each as the user reaches it where that is short.
const ModeCase kModes[] = {
    {"turned over", [](Rig& r) { r.device.BackCase->show(); }, [](const Device& d) { return d.BackCase->visible(); },
     true},
    {"turned over, a button held by the mouse",
     [](Rig& r) {
         holdWithMouse(r, engine::ButtonGameA, kOnGameA);
         r.device.BackCase->show();
     },
     [](const Device& d) { return d.BackCase->visible() && d.PressedButton == engine::ButtonGameA; }, true},
    {"all clear, ACL held by its key", [](Rig& r) { r.device.Form_KeyDown(kKeyR, 0); },
     [](const Device& d) { return d.ResetScreen->visible() && d.KeyHeld; }, true},
    {"all clear, ACL held by the mouse", [](Rig& r) { holdWithMouse(r, engine::ButtonACL, kOnACL); },
     [](const Device& d) { return d.ResetScreen->visible() && d.PressedButton == engine::ButtonACL; }, false},
    {"clock", [](Rig&) {}, clockFace, true},
    {"clock, TIME held by its key", [](Rig& r) { r.device.Form_KeyDown(kKeyT, 0); },
     [](const Device& d) { return clockFace(d) && d.KeyHeld && d.ShowsPressed(engine::ButtonTime); }, true},
    {"clock, GAME A held by its key", [](Rig& r) { r.device.Form_KeyDown(kKey1, 0); },
     [](const Device& d) { return clockFace(d) && d.KeyHeld && d.ScoreShown; }, true},
    {"clock, the demonstration diver caught", [](Rig& r) { r.device.CaughtCounter = 9; },
     [](const Device& d) { return clockFace(d) && d.CaughtCounter == 8; }, true},
    {"clock, the alarm ringing",
     [](Rig& r) {
         r.settings.values["Alarm Time"] = "102000 AM";
         r.settings.values["Alarm On"] = "True";
     },
     [](const Device& d) { return clockFace(d) && d.AlarmRinging; }, true},
    {"clock, a button held by the mouse", [](Rig& r) { holdWithMouse(r, engine::ButtonGameA, kOnGameA); },
     [](const Device& d) { return clockFace(d) && d.PressedButton == engine::ButtonGameA; }, false},
    {"alarm preview", [](Rig& r) { r.device.Form_KeyDown(kKeyA, 0); },
     [](const Device& d) { return !d.GameMode && d.AlarmSetMode == engine::AlarmSetPreview; }, false},
    {"alarm setting", [](Rig& r) { r.device.AlarmSetMode = engine::AlarmSetEditing; },
     [](const Device& d) { return !d.GameMode && d.AlarmSetMode == engine::AlarmSetEditing; }, false},
    {"clock setting", [](Rig& r) { r.device.TimeSetMode = 1; },
     [](const Device& d) { return !d.GameMode && d.TimeSetMode == 1; }, false},
    {"play",
     [](Rig& r) {
         r.device.Form_KeyDown(kKey1, 0);
         r.device.Form_KeyUp(kKey1, 0);
     },
     [](const Device& d) { return d.GameMode && d.Misses < 4; }, false},
    {"game over", gameOver, [](const Device& d) { return d.GameMode && d.Misses == 4; }, false},
    {"game over run out, back to the clock",
     [](Rig& r) {
         gameOver(r);
         r.device.SecondCounter = 59;  // the settling tick ends the game
     },
     [](const Device& d) { return clockFace(d) && d.CaughtCounter == 0; }, true},
};

TEST(QuietUntilNextSecond, OnlyTheClockTurnedOverAndACLByKeyAreQuietAndTheirTicksChangeNothing) {
    for (const ModeCase& m : kModes) {
        SCOPED_TRACE(m.mode);
        Rig rig;
        rig.clock.set(10, 20, 29);
        rig.device.Timer1_Timer();
        rig.clock.set(10, 20, 30);
        m.enter(rig);
        rig.device.Timer1_Timer();  // the tick that finds the new second
        if (!m.reached(rig.device)) {
            ADD_FAILURE() << "the setup did not reach its mode";
            continue;
        }
        EXPECT_EQ(rig.device.quietUntilNextSecond(), m.quiet);
        if (!m.quiet) continue;
        // Quiet: the ticks it may skip until the next second change nothing.
        const std::string before = everything(rig);
        for (int i = 0; i < 19; ++i) rig.device.Timer1_Timer();
        EXPECT_EQ(everything(rig), before);
    }
}

TEST(QuietUntilNextSecond, TheClockWithANewSecondIsBusyUntilItsTickRan) {
    fakes::EngineRig rig;
    rig.clock.set(10, 20, 30);
    rig.device.Timer1_Timer();
    ASSERT_TRUE(rig.device.quietUntilNextSecond());
    rig.clock.set(10, 20, 31);  // the second turned after the tick
    EXPECT_FALSE(rig.device.quietUntilNextSecond());
    rig.device.Timer1_Timer();
    EXPECT_TRUE(rig.device.quietUntilNextSecond());
    // Turned over, the new second waits for the device to come back.
    rig.device.BackCase->show();
    rig.clock.set(10, 20, 32);
    EXPECT_TRUE(rig.device.quietUntilNextSecond());
}

}  // namespace
