#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/button_rig.h"
#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

// The random fallback of the rig fails every start chance, so unless a test
// says otherwise no tentacle moves and every turn takes exactly two draws.
class DemoTest : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // The diver's places as lit, then the counters the cycle runs on.
    std::string board() const {
        std::string out;
        for (const auto& s : rig.lit())
            if (s.rfind("DiverStep", 0) == 0) out += s + " ";
        return out + "pos " + std::to_string(d.DiverPos) + " load " + std::to_string(d.DiverLoad) + " unload " +
               std::to_string(d.BoatUnload);
    }

    // Puts the diver on a place of the path as the moves would leave him.
    void placeDiver(uint8_t pos, uint8_t load) {
        d.DiverStep[0]->hide();
        d.DiverPos = pos;
        d.DiverLoad = load;
        const int place = pos < 5 ? pos : 5;
        d.DiverStep[place]->setPicture(d.Diver[(pos - 1) * 4 + load]->picture());
        d.DiverStep[place]->show();
    }

    // Tentacle t grown to length n, still growing.
    void growTentacle(int t, uint8_t n) {
        for (int k = 0; k < n; ++k) d.TentacleSegment(t, k)->show();
        d.TentacleLength[t] = n;
    }
};

TEST_F(DemoTest, OneCycleCallByCallAndTheNextCycleRepeatsIt) {
    const Strings expected{
        "DiverStep(1)=Diver(0) pos 1 load 0 unload 0",     "DiverStep(2)=Diver(4) pos 2 load 0 unload 0",
        "DiverStep(3)=Diver(8) pos 3 load 0 unload 0",     "DiverStep(4)=Diver(12) pos 4 load 0 unload 0",
        "DiverStep(5)=Diver(16) pos 5 load 0 unload 0",    "DiverStep(5)=Diver(20) pos 6 load 0 unload 0",
        "DiverStep(5)=Diver(24) pos 7 load 0 unload 0",    "DiverStep(5)=Diver(30) pos 8 load 2 unload 0",
        "DiverStep(5)=Diver(18) pos 5 load 2 unload 0",    "DiverStep(4)=Diver(14) pos 4 load 2 unload 0",
        "DiverStep(3)=Diver(10) pos 3 load 2 unload 0",    "DiverStep(2)=Diver(6) pos 2 load 2 unload 0",
        "DiverStep(1)=Diver(2) pos 1 load 2 unload 0",     "DiverStep(0)=OnTheBoat(1) pos 0 load 2 unload 4",
        "DiverStep(0)=OnTheBoat(0) pos 0 load 2 unload 3", "DiverStep(0)=OnTheBoat(1) pos 0 load 2 unload 2",
        "DiverStep(0)=OnTheBoat(0) pos 0 load 2 unload 1",
    };
    ASSERT_EQ(board(), "DiverStep(0)=OnTheBoat(0) pos 0 load 0 unload 0");
    d.DoShowTime("101500 AM");
    for (size_t call = 1; call <= 3 * expected.size(); ++call) {
        d.DoDemoStep();
        // Call 18 ends the unload and goes on as call 1 did from the boat.
        ASSERT_EQ(board(), expected[(call - 1) % expected.size()]) << "call " << call;
        ASSERT_EQ(rig.random.draws, static_cast<int>(8 * call)) << "four tentacle turns per call";
    }
    EXPECT_EQ(d.TentacleTurn, (3 * 17 * 4) % 5);

    // Three grabs and three deliveries, and still no score, sound or new pace.
    EXPECT_EQ(d.Score, 0);
    EXPECT_FALSE(d.ScoreShown);
    EXPECT_TRUE(d.am->visible());  // the clock was not replaced by a score
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.files.queries, 0);  // not even a sound file was looked up
    EXPECT_TRUE(rig.timer.history.empty());
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(DemoTest, ACatchSetsNineAndTheNextSecondRunsTheCatchSequence) {
    rig.clock.set(10, 0, 1);
    placeDiver(2, 0);
    growTentacle(2, 4);
    d.TentacleTurn = 2;
    d.Timer1_Timer();  // a new second: one demonstration step
    EXPECT_EQ(d.DiverPos, 3);
    EXPECT_EQ(d.TentacleLength[2], 5);
    EXPECT_EQ(d.CaughtCounter, 9);
    EXPECT_EQ(d.DiverStep[3]->picture(), d.Diver[9]->picture());  // the tip on him
    const int draws = rig.random.draws;

    d.Timer1_Timer();  // the same second: nothing more
    EXPECT_EQ(d.CaughtCounter, 9);

    rig.clock.set(10, 0, 2);
    d.Timer1_Timer();  // the catch sequence, not a demonstration step
    EXPECT_EQ(d.CaughtCounter, 8);
    EXPECT_EQ(d.Misses, 1);
    EXPECT_TRUE(d.MissPic->visible());
    EXPECT_FALSE(d.DiverStep[3]->visible());
    EXPECT_EQ(rig.random.draws, draws);  // no tentacle turned

    for (int s = 3; s <= 10; ++s) {
        rig.clock.set(10, 0, s);
        d.Timer1_Timer();
    }
    // Nine seconds after the catch the next diver stands on the boat, empty-handed.
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(board(), "DiverStep(0)=OnTheBoat(0) pos 0 load 0 unload 0");
    EXPECT_TRUE(rig.sound.played.empty());

    rig.clock.set(10, 0, 11);
    d.Timer1_Timer();
    EXPECT_EQ(board(), "DiverStep(1)=Diver(0) pos 1 load 0 unload 0");
}

TEST_F(DemoTest, TimeStepsMoveTheBoardEvenWhileACatchWaits) {
    d.TimeSetMode = 1;
    d.SetTimeText = "120000 AM";
    d.CaughtCounter = 9;
    d.DoAdvanceTime(false);
    d.DoAdvanceTime(true);
    EXPECT_EQ(board(), "DiverStep(2)=Diver(4) pos 2 load 0 unload 0");
    EXPECT_EQ(d.CaughtCounter, 9);
    EXPECT_EQ(rig.random.draws, 16);
}

// The alarm can be set from the game over, by the A key or by a held mouse
// button slid onto ALARM; the game-over board stays and must keep its
// struggle: the time steps of the setting move no diver and no tentacle of it.
class GameOverAlarmSetting : public buttons_test::ButtonRig {
protected:
    static constexpr int16_t kA = 65, kT = 84;

    GameOverAlarmSetting() {
        rig.random.fallback = 0.1f;  // every tentacle goes out, again and again
        d.CurrentGame = engine::GameA;
        d.DoStartGame();
        // Caught on place 2 at the third miss.
        d.DiverStep[0]->hide();
        d.DiverPos = 2;
        d.MissPic->show();
        d.Misses = 4;
        d.CaughtCounter = 7;
        d.LastSecond = 20;
        rig.sound.played.clear();
    }

    // Three minute steps and two hour steps of the alarm, a second apart.
    template <typename Step>
    void stepTheAlarm(Step step) {
        for (int i = 0; i < 5; ++i) {
            rig.clock.advance(1);
            d.Timer1_Timer();
            step(i < 3 ? engine::ButtonRight : engine::ButtonLeft);
        }
        EXPECT_EQ(d.SetTimeText, "020300 PM");
        EXPECT_EQ(digits(), " 203");
        EXPECT_EQ(d.Misses, 4);
        EXPECT_EQ(d.DiverPos, 2);
        for (int t = 0; t <= 4; ++t) EXPECT_EQ(d.TentacleLength[t], 0) << "tentacle " << t;
        const auto sounds = rig.sounds();
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "Beep0.wav"), 0);
    }

    // The game over ends after its sixty seconds, the setting counted in.
    void gameOverEndsAfterAMinute() {
        for (int s = 6; s < 60; ++s) {
            rig.clock.advance(1);
            d.Timer1_Timer();
            ASSERT_TRUE(d.GameMode) << "second " << s;
            ASSERT_EQ(d.Misses, 4) << "second " << s;
        }
        rig.clock.advance(1);
        d.Timer1_Timer();
        EXPECT_FALSE(d.GameMode);
        EXPECT_EQ(d.Misses, 0);
        EXPECT_EQ(d.CaughtCounter, 0);
        EXPECT_FALSE(d.MissPic->visible());
        EXPECT_TRUE(d.DiverStep[0]->visible());
        EXPECT_EQ(gameMark(), "");
    }
};

TEST_F(GameOverAlarmSetting, KeysStepOnlyTheTimeText) {
    tap(kA);
    ASSERT_EQ(d.AlarmSetMode, engine::AlarmSetEditing);
    ASSERT_TRUE(d.GameMode);
    stepTheAlarm([this](int16_t button) { tap(button == engine::ButtonRight ? forms::vk::Right : forms::vk::Left); });
    gameOverEndsAfterAMinute();
    tap(kT);
    EXPECT_EQ(rig.settings.values["Alarm Time"], "020300 PM");
    EXPECT_EQ(d.AlarmSetMode, engine::AlarmSetOff);
}

TEST_F(GameOverAlarmSetting, MouseSlidOntoAlarmStepsOnlyTheTimeText) {
    press(engine::ButtonGameB, buttons_test::kOnGameB);
    moveTo(buttons_test::kOnAlarm);
    poll();
    release();
    ASSERT_EQ(d.AlarmSetMode, engine::AlarmSetEditing);
    ASSERT_TRUE(d.GameMode);
    stepTheAlarm([this](int16_t button) {
        click(button, button == engine::ButtonRight ? buttons_test::kOnRight : buttons_test::kOnLeft);
    });
    gameOverEndsAfterAMinute();
}

}  // namespace
