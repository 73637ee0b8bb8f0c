#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

constexpr float kHolds = 0.1f;  // Int(r * 5) = 0: a start chance holds
constexpr float kFails = 0.9f;  // Int(r * 5) = 4: it fails

class Tentacles : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    void SetUp() override { restart(); }
    // A fresh GAME A board, as the GAME A release gives it.
    void restart() {
        d.DoEndGame();
        d.CurrentGame = engine::GameA;
        d.DoStartGame();
        rig.sound.played.clear();
    }
    // One turn with exactly these draws: every scripted number must be used
    // and no further one drawn.
    void turn(std::initializer_list<float> draws) {
        rig.random.script.assign(draws);
        const int before = rig.random.draws;
        d.DoTentacleTurn();
        EXPECT_EQ(rig.random.draws - before, static_cast<int>(draws.size())) << "draws taken";
    }
    // The segments of tentacle t shown, as "01" for segments 0 and 1.
    std::string segments(int t) const {
        std::string s;
        for (int k = 0; d.TentacleSegment(t, k) != nullptr; ++k)
            if (d.TentacleSegment(t, k)->visible()) s += std::to_string(k);
        return s;
    }
    void setLength(int t, int n, bool retracting) {
        for (int k = 0; d.TentacleSegment(t, k) != nullptr; ++k) d.TentacleSegment(t, k)->setVisible(k < n);
        d.TentacleLength[t] = static_cast<uint8_t>(n);
        d.TentacleReach[t] = n == d.TentacleMax[t];
        d.TentacleRetracting[t] = retracting;
    }
    void placeDiver(int pos, uint8_t load) {
        d.DoClearPath();
        d.DiverStep[0]->hide();
        d.DiverPos = static_cast<uint8_t>(pos);
        d.DiverLoad = load;
        d.DiverStep[pos < 5 ? pos : 5]->show();
    }
};

TEST_F(Tentacles, StartChanceIsThreeInFiveInSinglePrecision) {
    d.TentacleTurn = 2;
    turn({std::nextafter(0.6f, 0.0f), kFails});
    EXPECT_EQ(segments(2), "0");
    EXPECT_EQ(d.TentacleLength[2], 1);
    EXPECT_EQ(d.TentacleTurn, 3);
    turn({0.6f, kHolds});  // tentacle 3 looks only at the first draw
    EXPECT_EQ(segments(3), "");
    EXPECT_EQ(d.TentacleTurn, 4);
    EXPECT_EQ(rig.sounds(), (Strings{"Beep0.wav", "Beep0.wav"}));
}

TEST_F(Tentacles, OutTentacleMovesOnEveryTurnWhateverTheDraws) {
    setLength(3, 2, false);
    d.TentacleTurn = 3;
    turn({kFails, kFails});
    EXPECT_EQ(segments(3), "012");
    EXPECT_EQ(d.TentacleReach[3], 0);
}

TEST_F(Tentacles, FullLengthSetsReachAndTheNextTurnPullsBack) {
    setLength(4, 2, false);
    d.TentacleTurn = 4;
    turn({kFails, kFails});
    EXPECT_EQ(segments(4), "012");
    EXPECT_EQ(d.TentacleReach[4], 1);
    EXPECT_EQ(d.TentacleRetracting[4], 1);
    EXPECT_EQ(d.TentacleTurn, 0);  // 4 wraps to 0
    d.TentacleTurn = 4;
    turn({kFails, kFails, 0.0f});  // a shrinking turn draws a third number, even in GAME A
    EXPECT_EQ(segments(4), "01");
    EXPECT_EQ(d.TentacleReach[4], 0);
    EXPECT_EQ(d.TentacleRetracting[4], 1);
    for (int i = 0; i < 2; ++i) {
        d.TentacleTurn = 4;
        turn({kFails, kFails, 0.0f});
    }
    EXPECT_EQ(segments(4), "");
    EXPECT_EQ(d.TentacleRetracting[4], 0);
    // Back in, it starts again only by chance.
    d.TentacleTurn = 4;
    turn({kFails, kHolds});
    EXPECT_EQ(segments(4), "");
}

TEST_F(Tentacles, TipLandingOnTheDiverDrawsHimCaughtAndKeepsQuiet) {
    for (uint8_t load : {0, 2}) {
        SCOPED_TRACE(int(load));
        restart();
        placeDiver(3, load);
        setLength(2, 4, false);
        d.TentacleTurn = 2;
        turn({kFails, kFails});
        EXPECT_EQ(d.DiverStep[3]->picture()->key(), load == 0 ? "Diver(9)" : "Diver(11)");
        EXPECT_EQ(d.CaughtCounter, 11);
        EXPECT_TRUE(rig.sound.played.empty());
    }
}

TEST_F(Tentacles, TipOnTheDiverDuringABlinkCatchesNobodyAndStillKeepsQuiet) {
    placeDiver(1, 0);
    d.BonusFlash = 6;
    setLength(0, 2, false);
    d.TentacleTurn = 0;
    turn({kFails, kFails});
    EXPECT_EQ(d.DiverStep[1]->picture()->key(), "Diver(1)");
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(Tentacles, TentacleFourCatchesTheDiverAtAGrabSubStep) {
    placeDiver(6, 0);
    setLength(4, 2, false);
    d.TentacleTurn = 4;
    turn({kFails, kFails});
    EXPECT_EQ(d.DiverStep[5]->picture()->key(), "Diver(21)");
    EXPECT_EQ(d.CaughtCounter, 11);
}

TEST_F(Tentacles, DemonstrationCatchCountsNine) {
    d.DoEndGame();
    d.CaughtCounter = 0;
    placeDiver(4, 0);
    setLength(3, 3, false);
    d.TentacleTurn = 3;
    turn({kFails, kFails});
    EXPECT_EQ(d.CaughtCounter, 9);
}

TEST_F(Tentacles, TipNextToTheDiverOrOnTheEmptyBoatCatchesNobody) {
    placeDiver(2, 0);
    setLength(2, 4, false);
    d.TentacleTurn = 2;
    turn({kFails, kFails});
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(d.DiverStep[2]->picture()->key(), "Diver(4)");

    restart();  // the diver stands on the boat: every turn ticks
    setLength(0, 2, false);
    d.TentacleTurn = 0;
    turn({kFails, kFails});
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(rig.sounds(), (Strings{"Beep0.wav"}));
}

TEST_F(Tentacles, NoTickDuringAnUnload) {
    d.BoatUnload = 3;
    d.TentacleTurn = 2;
    turn({kHolds, kHolds});
    d.TentacleTurn = 3;
    turn({kFails, kFails});
    EXPECT_EQ(segments(2), "0");
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(Tentacles, GameBReversesOnlyAtOneSegmentOneTimeInTen) {
    d.CurrentGame = engine::GameB;
    setLength(2, 1, true);
    d.TentacleTurn = 2;
    turn({kFails, kFails, 0.05f});
    EXPECT_EQ(segments(2), "0");
    EXPECT_EQ(d.TentacleRetracting[2], 0);
    d.TentacleTurn = 2;
    turn({kFails, kFails});  // grows again from its next turn
    EXPECT_EQ(segments(2), "01");

    setLength(3, 1, true);
    d.TentacleTurn = 3;
    turn({kFails, kFails, 0.1f});  // Int(1.0) is not 0
    EXPECT_EQ(segments(3), "");

    setLength(3, 2, true);
    d.TentacleTurn = 3;
    turn({kFails, kFails, 0.0f});  // two segments: no reversal
    EXPECT_EQ(segments(3), "0");
}

TEST_F(Tentacles, GameAAndTheDemonstrationNeverReverse) {
    for (uint8_t game : {engine::GameA, engine::NoGame}) {
        d.CurrentGame = game;
        setLength(2, 1, true);
        d.TentacleTurn = 2;
        turn({kFails, kFails, 0.0f});
        EXPECT_EQ(segments(2), "") << int(game);
        EXPECT_EQ(d.TentacleRetracting[2], 0);
    }
}

TEST_F(Tentacles, FirstArmRestsOneStartThenPicksABranch) {
    d.TentacleTurn = 0;
    turn({kFails, kHolds});  // the second draw is the arm's chance
    EXPECT_EQ(segments(0) + segments(1), "");
    EXPECT_EQ(d.FirstArmWait, 1);
    EXPECT_EQ(d.TentacleTurn, 1);
    EXPECT_EQ(rig.sounds(), (Strings{"Beep0.wav"}));  // a resting turn ticks too

    turn({kFails, kHolds, 0.7f});  // Int(0.7 + 0.7) = 1: branch 1
    EXPECT_EQ(segments(1), "0");
    EXPECT_EQ(d.FirstArmWait, 0);
    EXPECT_EQ(d.TentacleTurn, 2);

    // While branch 1 is out, branch 0's turn does nothing whatever the chance.
    d.TentacleTurn = 0;
    turn({kHolds, kHolds});
    EXPECT_EQ(segments(0), "");
    EXPECT_EQ(d.TentacleTurn, 1);
}

TEST_F(Tentacles, BranchZeroIsFollowedByTheIdleTurnOfBranchOne) {
    d.FirstArmWait = 1;
    d.TentacleTurn = 1;
    turn({kFails, kHolds, 0.2f});
    EXPECT_EQ(segments(0), "0");
    EXPECT_EQ(d.TentacleTurn, 1);
    turn({kHolds, kHolds});
    EXPECT_EQ(segments(0) + "/" + segments(1), "0/");
    EXPECT_EQ(d.TentacleTurn, 2);
}

TEST_F(Tentacles, PullingBackAFirstArmBranchMakesTheArmRestAgain) {
    setLength(1, 1, true);
    d.FirstArmWait = 1;
    d.TentacleTurn = 1;
    turn({kFails, kFails, kFails});
    EXPECT_EQ(segments(1), "");
    EXPECT_EQ(d.FirstArmWait, 0);
    d.TentacleTurn = 0;
    turn({kFails, kHolds});
    EXPECT_EQ(segments(0) + segments(1), "");  // rests before the next branch
}

TEST_F(Tentacles, PullingBackDoesNotRedrawTheDiver) {
    placeDiver(3, 0);
    d.DiverStep[3]->setPicture(d.Diver[9]->picture());
    setLength(2, 5, true);
    d.TentacleTurn = 2;
    turn({kFails, kFails, kFails});
    EXPECT_EQ(d.TentacleReach[2], 0);
    EXPECT_EQ(d.DiverStep[3]->picture()->key(), "Diver(9)");
}

}  // namespace
