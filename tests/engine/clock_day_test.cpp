#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "forms/time_text.h"
#include "tests/support/engine_fixture.h"

namespace {

// A whole simulated day of clock mode: three ticks per second of the fake
// clock, the demonstration playing on real random numbers, the alarm armed for
// one minute. After every tick the board must be one the rules can reach.
class ClockDay : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;
    std::mt19937 gen{20240611};

    void topUpRandom() {
        while (rig.random.script.size() < 64)
            rig.random.script.push_back(static_cast<float>(gen() >> 8) * (1.0f / 16777216.0f));
    }

    // Every field of the board inside the range the demonstration gives it,
    // and the pictures agreeing with the fields.
    void expectBoardInRange(const std::string& when) {
        ASSERT_FALSE(d.GameMode) << when;
        ASSERT_EQ(d.Score, 0) << when;
        ASSERT_EQ(d.BonusFlash, 0) << when;
        ASSERT_LE(d.DiverPos, 8) << when;
        ASSERT_TRUE(d.DiverLoad == 0 || d.DiverLoad == 2) << when;
        ASSERT_LE(d.BoatUnload, 4) << when;
        ASSERT_LE(d.CaughtCounter, 9) << when;
        ASSERT_LE(d.Misses, 3) << when;  // 3 only until the third catch restarts the board
        ASSERT_LE(d.IdleCountdown, 10) << when;
        ASSERT_LE(d.TentacleTurn, 4) << when;
        ASSERT_LE(d.FirstArmWait, 1) << when;
        ASSERT_FALSE(d.TentacleLength[0] > 0 && d.TentacleLength[1] > 0) << when << ": both branches out";
        for (int t = 0; t <= 4; ++t) {
            ASSERT_LE(d.TentacleLength[t], d.TentacleMax[t]) << when << " tentacle " << t;
            ASSERT_LE(d.TentacleReach[t], 1) << when;
            ASSERT_LE(d.TentacleRetracting[t], 1) << when;
            if (d.TentacleReach[t] == 1) {
                ASSERT_EQ(d.TentacleLength[t], d.TentacleMax[t]) << when;
            }
            // A tentacle of length n shows exactly its segments 0..n-1.
            for (int k = 0; k < d.TentacleMax[t]; ++k)
                ASSERT_EQ(d.TentacleSegment(t, k)->visible(), k < d.TentacleLength[t])
                    << when << " tentacle " << t << " segment " << k;
        }
        // Outside a catch the diver stands exactly where DiverPos says.
        if (d.CaughtCounter == 0) {
            const int place = d.DiverPos < 5 ? d.DiverPos : 5;
            for (int p = 0; p <= 5; ++p) ASSERT_EQ(d.DiverStep[p]->visible(), p == place) << when << " place " << p;
            ASSERT_FALSE(d.MissPic->visible()) << when;
        }
        ASSERT_EQ(rig.timer.interval(), 50) << when;
    }
};

TEST_F(ClockDay, AFullDayKeepsTheBoardInRangeAndRingsOnlyInTheAlarmMinute) {
    rig.settings.values["Alarm Time"] = "063045 AM";
    rig.settings.values["Alarm On"] = "True";
    rig.window.hide = true;  // hidden in the tray, Auto Show on
    rig.clock.set(0, 0, 0);

    int ringingSeconds = 0, deliveries = 0, catches = 0;
    for (int second = 1; second <= 24 * 60 * 60; ++second) {
        rig.clock.advance(1);
        topUpRandom();
        const auto before = std::make_tuple(d.DiverPos, d.DiverLoad, d.BoatUnload);
        const uint8_t caughtBefore = d.CaughtCounter;
        const size_t soundsBefore = rig.sound.played.size();
        for (int tick = 0; tick < 3; ++tick) {
            d.Timer1_Timer();
            const forms::TimeOfDay now = rig.clock.clock.now();
            const std::string when = forms::timeText(now) + " tick " + std::to_string(tick);
            expectBoardInRange(when);
            if (HasFatalFailure()) return;
            const bool alarmMinute = now.hour == 6 && now.minute == 30;
            ASSERT_EQ(d.AlarmRinging, alarmMinute) << when;
            ASSERT_EQ(d.BabyDrellok->visible(), alarmMinute) << when;
        }
        if (d.AlarmRinging) ++ringingSeconds;
        // Each new second makes exactly one move of the demonstration, unless
        // a catch sequence has the board.
        if (caughtBefore == 0) {
            ASSERT_NE(before, std::make_tuple(d.DiverPos, d.DiverLoad, d.BoatUnload))
                << forms::timeText(rig.clock.clock.now()) << ": the demonstration stood still";
        }
        if (d.BoatUnload == 4 && std::get<2>(before) == 0) ++deliveries;
        if (d.CaughtCounter == 9 && caughtBefore == 0) ++catches;
        for (size_t i = soundsBefore; i < rig.sound.played.size(); ++i)
            ASSERT_EQ(rig.sound.played[i], "/opt/drellok/Beep3.wav") << forms::timeText(rig.clock.clock.now());
    }

    EXPECT_EQ(ringingSeconds, 60);
    EXPECT_EQ(rig.sound.played.size(), 60u);  // one alarm beep per ringing second
    EXPECT_EQ(rig.window.calls, std::vector<std::string>{"mHide_Click"});
    // The demonstration really plays: treasure carried home, divers caught
    // (and so the board restarted after every third catch).
    EXPECT_GT(deliveries, 50);
    EXPECT_GT(catches, 500);
    EXPECT_TRUE(rig.settings.writes.empty());
}

}  // namespace
