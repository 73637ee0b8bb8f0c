#include <gtest/gtest.h>

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

}  // namespace
