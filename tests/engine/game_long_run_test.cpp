// A million ticks of games played at random against the fakes, every field
// checked after every step. The seed is fixed, so a failure replays.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "tests/support/engine_fixture.h"

namespace {

class LongRun {
public:
    explicit LongRun(uint32_t seed) : gen_(seed) {}

    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // What the run went through, so that a run that silently did nothing fails.
    int games = 0, catches = 0, gameOvers = 0, deliveries = 0, bonuses = 0, wraps = 0, reversals = 0;

    // One step: maybe a button, then a tick. Returns what went wrong, if anything.
    std::string step() {
        while (rig.random.script.size() < 32) rig.random.script.push_back(uniform());
        const uint32_t roll = gen_() % 1000;
        if (roll < 3)
            newGame(gen_() % 2 == 0 ? engine::GameA : engine::GameB);
        else if (roll < 400)
            moveDiver();
        tick();
        return check();
    }

    void tidy() {
        rig.sound.played.clear();
        rig.timer.history.clear();
        rig.settings.writes.clear();
    }

private:
    // [0, 1) in single precision, as the device's generator gives.
    float uniform() { return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f); }

    // The press of a device button is ignored while a game unloads treasure.
    bool pressBlocked() const { return d.GameMode && d.BoatUnload != 0; }

    // As the GAME A / GAME B release starts a game; now and then the score
    // is put near a band edge, a bonus or the wrap, which random play rarely
    // reaches by itself.
    void newGame(uint8_t game) {
        if (pressBlocked()) return;
        if ((d.GameMode && d.Misses != 4) || d.AlarmSetMode != 0 || d.TimeSetMode != 0) return;
        if (d.GameMode) d.DoEndGame();
        d.CurrentGame = game;
        d.DoStartGame();
        ++games;
        if (gen_() % 2 == 0) {
            const int16_t near[] = {195, 495, 995, static_cast<int16_t>(gen_() % 995)};
            d.Score = static_cast<int16_t>(near[gen_() % 4] + static_cast<int16_t>(gen_() % 5));
            d.DoShowScore(d.Score);
            d.DoCheckSpeed();
        }
    }

    // LEFT or RIGHT, with the guards of their release; mostly toward where
    // the treasure should go, sometimes the other way.
    void moveDiver() {
        if (pressBlocked()) return;
        const bool carrying = d.DiverLoad == 2;
        const bool back = (gen_() % 4 == 0) != carrying;
        if (back) {
            if (d.CaughtCounter == 0 && d.GameMode) d.DoDiverBack();
        } else if (d.CaughtCounter == 0 && d.GameMode && d.DiverPos <= 5 && !(d.DiverPos == 0 && d.BonusFlash != 0)) {
            d.DoDiverForward();
        }
    }

    void tick() {
        const uint8_t caught = d.CaughtCounter, misses = d.Misses, unload = d.BoatUnload;
        const int16_t score = d.Score;
        std::array<uint8_t, 6> retracting = d.TentacleRetracting, length = d.TentacleLength;
        d.Timer1_Timer();
        if (caught == 0 && d.CaughtCounter > 0 && d.GameMode) ++catches;
        if (misses != 4 && d.Misses == 4) ++gameOvers;
        if (unload != 0 && d.BoatUnload == 0 && d.GameMode) ++deliveries;
        if (d.BonusFlash == 16) ++bonuses;
        if (score == 999 && d.Score == 1) ++wraps;
        for (int t = 0; t <= 4; ++t)
            if (retracting[t] == 1 && length[t] == 1 && d.TentacleRetracting[t] == 0 && d.TentacleLength[t] == 1)
                ++reversals;
        // The clock runs on by the interval of each tick.
        elapsed_ += d.Interval();
        if (elapsed_ >= 1000) {
            rig.clock.advance(elapsed_ / 1000);
            elapsed_ %= 1000;
        }
    }

    std::string check() const {
        std::ostringstream e;
        auto in = [&e](const char* name, int v, int low, int high) {
            if (v < low || v > high) e << name << "=" << v << " outside " << low << ".." << high << "; ";
        };
        in("Misses", d.Misses, 0, 4);
        in("DiverPos", d.DiverPos, 0, 8);
        in("Score", d.Score, 0, 999);
        in("CaughtCounter", d.CaughtCounter, 0, 11);
        in("BonusFlash", d.BonusFlash, 0, 16);
        in("BoatUnload", d.BoatUnload, 0, 4);
        in("TentacleTurn", d.TentacleTurn, 0, 4);
        in("FirstArmWait", d.FirstArmWait, 0, 1);
        in("IdleCountdown", d.IdleCountdown, 0, 10);
        in("SecondCounter", d.SecondCounter, 0, 60);
        if (d.DiverLoad != 0 && d.DiverLoad != 2) e << "DiverLoad=" << int(d.DiverLoad) << "; ";
        if (d.Interval() < 1) e << "interval " << d.Interval() << "; ";
        if (d.Misses == 4 && !d.GameMode) e << "game over on the clock; ";
        if (d.BonusFlash > 0 && d.CaughtCounter > 0) e << "flash and catch together; ";
        for (int t = 0; t <= 4; ++t) {
            in("TentacleLength", d.TentacleLength[t], 0, d.TentacleMax[t]);
            in("TentacleReach", d.TentacleReach[t], 0, 1);
            in("TentacleRetracting", d.TentacleRetracting[t], 0, 1);
            if (d.TentacleReach[t] == 1 && d.TentacleLength[t] != d.TentacleMax[t])
                e << "tentacle " << t << " reaches without full length; ";
            for (int k = 0; d.TentacleSegment(t, k) != nullptr; ++k)
                if (d.TentacleSegment(t, k)->visible() != (k < d.TentacleLength[t]))
                    e << "tentacle " << t << " segment " << k << " drawn wrong; ";
        }
        if (d.TentacleLength[0] > 0 && d.TentacleLength[1] > 0) e << "both branches out; ";
        if (d.CaughtCounter == 0) {
            // Outside a catch the diver stands on exactly one place: his own.
            const int place = d.DiverPos > 5 ? 5 : d.DiverPos;
            for (int p = 0; p <= 5; ++p)
                if (d.DiverStep[p]->visible() != (p == place)) e << "diver place " << p << " drawn wrong; ";
            if (d.MissPic->visible()) e << "caught diver shown outside a catch; ";
        }
        if (d.GameMode && d.Misses != 4 && !d.MinuteDigit[1]->holds(d.Number[d.Score % 10]->picture()))
            e << "score digit wrong; ";
        std::string s = e.str();
        if (!s.empty()) {
            std::ostringstream where;
            where << " [GameMode " << d.GameMode << " game " << int(d.CurrentGame) << " pos " << int(d.DiverPos)
                  << " load " << int(d.DiverLoad) << " caught " << int(d.CaughtCounter) << "]";
            s += where.str();
        }
        return s;
    }

    std::mt19937 gen_;
    int32_t elapsed_ = 0;
};

TEST(GameLongRun, MillionTicksKeepEveryFieldInRange) {
    constexpr uint32_t kSeed = 0x5eed1e55;
    LongRun run(kSeed);
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string fault = run.step();
        if (!fault.empty()) FAIL() << "seed " << kSeed << ", step " << i << ": " << fault;
        if (i % 4096 == 0) run.tidy();
    }
    EXPECT_GT(run.games, 1000);
    EXPECT_GT(run.catches, 1000);
    EXPECT_GT(run.gameOvers, 1000);
    EXPECT_GT(run.deliveries, 200);
    EXPECT_GT(run.bonuses, 30);
    EXPECT_GT(run.wraps, 30);
    EXPECT_GT(run.reversals, 100);
    std::cout << "games " << run.games << ", catches " << run.catches << ", game overs " << run.gameOvers
              << ", deliveries " << run.deliveries << ", bonuses " << run.bonuses << ", wraps " << run.wraps
              << ", reversals " << run.reversals << "\n";
}

}  // namespace
