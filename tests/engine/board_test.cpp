#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class Board : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // A board in the middle of things: the diver on the path with the
    // treasure, tentacles out, a catch and a blink running.
    void messUp() {
        d.DoShowTime("103000 AM");
        for (int t = 0; t <= 4; ++t) {
            const int n = t == 1 ? 0 : d.TentacleMax[t] - (t % 2);
            for (int k = 0; k < n; ++k) d.TentacleSegment(t, k)->show();
            d.TentacleLength[t] = static_cast<uint8_t>(n);
            d.TentacleReach[t] = n == d.TentacleMax[t];
            d.TentacleRetracting[t] = 1;
        }
        d.DiverStep[0]->hide();
        d.DiverStep[3]->show();
        d.DiverPos = 3;
        d.DiverLoad = 2;
        d.BoatUnload = 2;
        d.CaughtCounter = 4;
        d.BonusFlash = 9;
        d.FirstArmWait = 1;
        d.TentacleTurn = 3;
        d.IdleCountdown = 2;
        d.SecondCounter = 33;
        d.Score = 412;
        d.Misses = 2;
        d.MissPic->show();
        d.Arm->show();
        d.Legs->show();
        d.Remainder0->hide();
        d.Remainder1->hide();
    }
    void expectFreshBoard() {
        EXPECT_EQ(d.DiverPos, 0);
        EXPECT_EQ(d.DiverLoad, 0);
        EXPECT_EQ(d.BoatUnload, 0);
        EXPECT_EQ(d.CaughtCounter, 0);
        EXPECT_EQ(d.BonusFlash, 0);
        EXPECT_EQ(d.FirstArmWait, 0);
        EXPECT_EQ(d.TentacleTurn, 0);
        EXPECT_EQ(d.IdleCountdown, 10);
        EXPECT_EQ(d.SecondCounter, 0);
        EXPECT_EQ(d.Score, 0);
        EXPECT_EQ(d.Misses, 0);
        for (int t = 0; t <= 4; ++t) {
            EXPECT_EQ(d.TentacleLength[t], 0);
            EXPECT_EQ(d.TentacleReach[t], 0);
            EXPECT_EQ(d.TentacleRetracting[t], 0);
        }
    }
};

TEST_F(Board, StartGameClearsTheBoardAndShowsMarkScoreAndBoat) {
    messUp();
    d.CurrentGame = engine::GameB;
    d.DoStartGame();
    EXPECT_TRUE(d.GameMode);
    expectFreshBoard();
    EXPECT_EQ(rig.lit(), (Strings{"DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)", "GameType(1)",
                                  "MinuteDigit(1)=Number(0)", "Remainder0", "Remainder1", "Treasure"}));
    EXPECT_EQ(d.Interval(), 170);
    EXPECT_EQ(d.CurrentGame, engine::GameB);
}

TEST_F(Board, ResetGameClearsTheBoardWithoutGameMarkOrScore) {
    messUp();
    d.DoResetGame();
    EXPECT_FALSE(d.GameMode);
    expectFreshBoard();
    EXPECT_EQ(rig.lit(), (Strings{"Colon", "DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)",
                                  "HourDigit(0)=Number(1)", "HourDigit(1)=Number(0)", "MinuteDigit(0)=Number(3)",
                                  "MinuteDigit(1)=Number(0)", "Remainder0", "Remainder1", "Treasure", "am"}));
    EXPECT_EQ(d.Interval(), 50);
    // In a setting mode its pace is left as it is.
    rig.timer.setInterval(200);
    d.TimeSetMode = 1;
    d.DoResetGame();
    EXPECT_EQ(d.Interval(), 200);
}

TEST_F(Board, StartAndResetDoNothingWhileAGameIsOnTheScreen) {
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    messUp();
    d.GameMode = true;
    const Strings before = rig.lit();
    rig.timer.history.clear();
    d.CurrentGame = engine::GameB;
    d.DoStartGame();
    d.DoResetGame();
    d.Misses = 4;  // the game-over state alike
    d.DoStartGame();
    d.DoResetGame();
    EXPECT_EQ(rig.lit(), before);
    EXPECT_EQ(d.Score, 412);
    EXPECT_EQ(d.CaughtCounter, 4);
    EXPECT_TRUE(rig.timer.history.empty());
}

TEST_F(Board, EndGameReturnsToTheClockLeavingTheBoardForOneLastCatchStep) {
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    messUp();
    d.GameMode = true;
    d.ScoreShown = true;
    d.DoEndGame();
    EXPECT_FALSE(d.GameMode);
    EXPECT_FALSE(d.ScoreShown);
    EXPECT_EQ(d.CurrentGame, engine::NoGame);
    EXPECT_EQ(d.CaughtCounter, 1);
    EXPECT_EQ(d.Misses, 0);
    EXPECT_EQ(d.Score, 0);
    EXPECT_EQ(d.BoatUnload, 0);
    EXPECT_EQ(d.SecondCounter, 0);
    EXPECT_EQ(d.Interval(), 50);
    EXPECT_FALSE(d.GameType[0]->visible());
    // The diver, the tentacles and the caught diver stay as they were.
    EXPECT_EQ(d.DiverPos, 3);
    EXPECT_TRUE(d.DiverStep[3]->visible());
    EXPECT_EQ(d.TentacleLength[2], 5);
    EXPECT_TRUE(d.Tentacle2[4]->visible());
    EXPECT_TRUE(d.MissPic->visible());
    EXPECT_EQ(d.BonusFlash, 9);
}

TEST_F(Board, EndGameOnTheClockChangesNothing) {
    d.CaughtCounter = 6;
    d.Score = 3;
    rig.timer.setInterval(200);
    d.DoEndGame();
    EXPECT_EQ(d.CaughtCounter, 6);
    EXPECT_EQ(d.Score, 3);
    EXPECT_EQ(d.Interval(), 200);
}

TEST_F(Board, ReserveDiversFollowTheMisses) {
    d.DiverPos = 4;
    d.DiverStep[4]->show();
    d.Misses = 1;
    d.DoShowReserve();
    EXPECT_EQ(rig.lit(), (Strings{"DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)", "Remainder1",
                                  "Treasure"}));
    EXPECT_EQ(d.DiverPos, 0);
    d.Misses = 2;
    d.DiverStep[0]->hide();
    d.DoShowReserve();
    EXPECT_EQ(rig.lit(), (Strings{"DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)", "Treasure"}));
    d.Misses = 0;
    d.DoShowReserve();
    EXPECT_TRUE(d.Remainder0->visible());
    EXPECT_TRUE(d.Remainder1->visible());
}

TEST_F(Board, ThirdMissOfAGameSavesTheBestAndEntersGameOver) {
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    rig.settings.values["Game A High Score"] = "40";
    d.Score = 41;
    d.Misses = 3;
    d.SecondCounter = 5;
    d.DiverStep[0]->hide();
    d.DiverPos = 2;
    d.DoShowReserve();
    EXPECT_EQ(rig.settings.values["Game A High Score"], "41");
    EXPECT_EQ(d.Misses, 4);
    EXPECT_EQ(d.CaughtCounter, 7);
    EXPECT_EQ(d.SecondCounter, 0);
    EXPECT_FALSE(d.DiverStep[0]->visible());  // nothing redrawn
    EXPECT_EQ(d.DiverPos, 2);
    // The game-over state itself draws nothing.
    d.scene().takeDirty();
    d.DoShowReserve();
    d.DoNextDiver();
    EXPECT_FALSE(d.scene().hasDirty());
}

TEST_F(Board, ThirdMissOfTheDemonstrationRestartsItsBoard) {
    rig.settings.writes.clear();
    d.Misses = 3;
    d.DiverPos = 5;
    d.DiverLoad = 2;
    d.BoatUnload = 3;
    d.IdleCountdown = 1;
    d.DiverStep[5]->show();
    d.DiverStep[0]->hide();
    d.Remainder0->hide();
    d.Remainder1->hide();
    d.MissPic->show();
    d.Arm->show();
    d.Legs->show();
    d.Tentacle4[0]->show();
    d.TentacleLength[4] = 1;
    d.DoShowReserve();
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_EQ(rig.lit(), (Strings{"DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)", "Remainder0",
                                  "Remainder1", "Tentacle4(0)", "Treasure"}));
    EXPECT_EQ(d.Misses, 0);
    EXPECT_EQ(d.DiverPos, 0);
    EXPECT_EQ(d.DiverLoad, 0);
    EXPECT_EQ(d.BoatUnload, 0);
    EXPECT_EQ(d.IdleCountdown, 10);
    EXPECT_EQ(d.TentacleLength[4], 1);
    EXPECT_EQ(d.CaughtCounter, 0);
}

TEST_F(Board, NextDiverOnlyAfterAMissThatLeavesAReserve) {
    d.DiverStep[0]->hide();
    for (uint8_t misses : {0, 3, 4}) {
        d.Misses = misses;
        d.scene().takeDirty();
        d.DoNextDiver();
        EXPECT_FALSE(d.scene().hasDirty()) << int(misses);
    }
    d.Misses = 2;
    d.DoNextDiver();
    EXPECT_FALSE(d.Remainder1->visible());
    EXPECT_TRUE(d.Remainder0->visible());  // left to the reserve drawing
    EXPECT_TRUE(d.DiverStep[0]->visible());
}

TEST_F(Board, ClearPathLeavesTheBoatAsItWas) {
    for (bool onBoat : {true, false}) {
        d.DiverStep[0]->setVisible(onBoat);
        for (int p = 1; p <= 5; ++p) d.DiverStep[p]->show();
        d.DiverPos = 7;
        d.DoClearPath();
        EXPECT_EQ(d.DiverPos, 0);
        EXPECT_EQ(d.DiverStep[0]->visible(), onBoat);
        for (int p = 1; p <= 5; ++p) EXPECT_FALSE(d.DiverStep[p]->visible());
    }
}

TEST_F(Board, AfterAButtonEndsGameOverTheNextSecondTidiesAndTheOneAfterPlays) {
    rig.clock.set(9, 0, 0);
    d.CurrentGame = engine::GameA;
    d.DoStartGame();
    d.DoDiverForward();
    d.DoDiverForward();
    // The third catch, played out to the game-over state.
    d.Misses = 2;
    d.CaughtCounter = 11;
    for (int i = 0; i < 11; ++i) d.DoMissStep();
    ASSERT_EQ(d.Misses, 4);
    d.DoEndGame();  // as a button release does
    d.DoClearPath();

    rig.clock.advance(1);
    d.Timer1_Timer();
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(d.DiverPos, 0);
    EXPECT_FALSE(d.MissPic->visible());
    EXPECT_TRUE(d.DiverStep[0]->visible());
    EXPECT_TRUE(d.Remainder0->visible());
    EXPECT_TRUE(d.Remainder1->visible());
    EXPECT_EQ(d.Interval(), 50);

    rig.clock.advance(1);
    d.Timer1_Timer();
    EXPECT_EQ(d.DiverPos, 1);  // the demonstration walks again
}

}  // namespace
