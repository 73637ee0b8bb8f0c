#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class Diver : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // As the GAME A / GAME B release starts one.
    void startGame(uint8_t game = engine::GameA) {
        d.DoEndGame();
        d.CurrentGame = game;
        d.DoStartGame();
        rig.sound.played.clear();
    }
    // The picture on a diver place, by its key ("Diver(5)", "OnTheBoat(1)").
    std::string frameAt(int place) const { return d.DiverStep[place]->picture()->key(); }
    // The diver places shown: "0" for the boat, "3" for place 3.
    std::string shownPlaces() const {
        std::string s;
        for (int p = 0; p <= 5; ++p)
            if (d.DiverStep[p]->visible()) s += std::to_string(p);
        return s;
    }
    void walkTo(int place) {
        while (d.DiverPos < place) d.DoDiverForward();
    }
    // A tentacle lying at full length over its place.
    void reachOut(int t) {
        d.TentacleLength[t] = d.TentacleMax[t];
        d.TentacleReach[t] = 1;
        d.TentacleRetracting[t] = 1;
    }
};

TEST_F(Diver, StepOffTheBoatOntoPlaceOne) {
    startGame();
    d.IdleCountdown = 7;
    d.DoDiverForward();
    EXPECT_EQ(shownPlaces(), "1");
    EXPECT_EQ(frameAt(1), "Diver(0)");
    EXPECT_EQ(d.IdleCountdown, 0);
    EXPECT_EQ(d.CaughtCounter, 0);
}

TEST_F(Diver, StepUnderAFullTentacleIsCaughtUnlessTheBonusBlinks) {
    startGame();
    reachOut(0);
    d.DoDiverForward();
    EXPECT_EQ(frameAt(1), "Diver(1)");
    EXPECT_EQ(d.CaughtCounter, 11);

    startGame();
    reachOut(0);
    d.BonusFlash = 5;
    d.DoDiverForward();
    EXPECT_EQ(frameAt(1), "Diver(1)");  // the tip is drawn on him all the same
    EXPECT_EQ(d.CaughtCounter, 0);
}

TEST_F(Diver, StepBackUnderATentacleDrawsTheTipFrameAndCatches) {
    for (uint8_t load : {0, 2}) {
        for (bool game : {true, false}) {
            SCOPED_TRACE(testing::Message() << "load " << int(load) << " game " << game);
            d.GameMode = game;
            d.CaughtCounter = 0;
            d.DiverPos = 3;
            d.DiverLoad = load;
            d.DiverStep[3]->show();
            reachOut(1);
            d.DoDiverBack();
            EXPECT_EQ(d.DiverPos, 2);
            EXPECT_EQ(frameAt(2), load == 0 ? "Diver(5)" : "Diver(7)");
            EXPECT_FALSE(d.DiverStep[3]->visible());
            EXPECT_TRUE(d.DiverStep[2]->visible());
            EXPECT_EQ(d.CaughtCounter, game ? 11 : 9);
            d.DiverStep[2]->hide();
        }
    }
}

TEST_F(Diver, DemonstrationWalkIsNeverCaughtInTheSettingModesButAGrabIs) {
    reachOut(2);
    reachOut(4);
    d.TimeSetMode = 1;
    d.DiverPos = 2;
    d.DoDiverForward();
    EXPECT_EQ(frameAt(3), "Diver(9)");
    EXPECT_EQ(d.CaughtCounter, 0);
    d.TimeSetMode = 0;
    d.AlarmSetMode = engine::AlarmSetEditing;
    d.DoDiverForward();
    d.DoDiverForward();  // onto place 5, under tentacle 4
    EXPECT_EQ(d.CaughtCounter, 0);
    d.DoDiverForward();  // a grab sub-step is tested whatever the mode
    EXPECT_EQ(d.DiverPos, 6);
    EXPECT_EQ(frameAt(5), "Diver(21)");
    EXPECT_EQ(d.CaughtCounter, 9);
}

TEST_F(Diver, GrabRunsOneSubStepPerTickForOnePointAndOneBeep) {
    startGame();
    walkTo(5);
    rig.sound.played.clear();
    d.DoDiverForward();  // RIGHT at the chest starts the grab
    EXPECT_EQ(d.DiverPos, 6);
    EXPECT_EQ(frameAt(5), "Diver(20)");
    Strings frames;
    std::vector<int> positions;
    for (int i = 0; i < 3; ++i) {
        d.Timer1_Timer();
        positions.push_back(d.DiverPos);
        frames.push_back(frameAt(5));
    }
    EXPECT_EQ(positions, (std::vector<int>{7, 8, 5}));
    EXPECT_EQ(frames, (Strings{"Diver(24)", "Diver(30)", "Diver(18)"}));
    EXPECT_EQ(d.DiverLoad, 2);
    EXPECT_EQ(d.Score, 1);
    // Each tick turns a tentacle before the sub-step; the gold beeps once.
    EXPECT_EQ(rig.sounds(), (Strings{"Beep0.wav", "Beep0.wav", "Beep1.wav", "Beep0.wav"}));
    EXPECT_EQ(shownPlaces(), "5");

    d.DoDiverForward();  // a second grab while carrying: another point
    d.Timer1_Timer();
    d.Timer1_Timer();
    EXPECT_EQ(d.Score, 2);
}

TEST_F(Diver, DemonstrationGrabTakesTheTreasureWithoutPointOrSound) {
    d.DiverPos = 7;
    d.DoDiverForward();
    EXPECT_EQ(d.DiverLoad, 2);
    EXPECT_EQ(d.Score, 0);
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(Diver, GrabWaitsOutABonusBlink) {
    startGame();
    walkTo(5);
    d.BonusFlash = 4;
    d.IdleCountdown = 3;
    d.DoDiverForward();
    EXPECT_EQ(d.DiverPos, 5);
    EXPECT_EQ(d.IdleCountdown, 0);
    d.DiverPos = 7;
    d.DoDiverForward();
    EXPECT_EQ(d.DiverPos, 7);
    EXPECT_EQ(d.DiverLoad, 0);
}

TEST_F(Diver, LeftAtTheChestGivesUpTheGrabButKeepsLiftedTreasure) {
    for (uint8_t sub : {6, 7, 8}) {
        SCOPED_TRACE(int(sub));
        startGame();
        walkTo(5);
        while (d.DiverPos < sub) d.DoDiverForward();
        d.DoDiverBack();
        EXPECT_EQ(d.DiverPos, 4);
        EXPECT_EQ(shownPlaces(), "4");
        EXPECT_EQ(frameAt(4), sub == 8 ? "Diver(14)" : "Diver(12)");
        d.DoEndGame();
    }
}

TEST_F(Diver, PlaceOneKeepsAnEmptyHandedDiverAndOneDuringABlink) {
    startGame();
    d.DoDiverForward();
    d.DoDiverBack();
    EXPECT_EQ(d.DiverPos, 1);
    EXPECT_EQ(shownPlaces(), "1");
    d.DiverLoad = 2;
    d.BonusFlash = 2;
    d.DoDiverBack();
    EXPECT_EQ(d.DiverPos, 1);
    EXPECT_EQ(d.BoatUnload, 0);
    d.DoDiverBack();
    d.BonusFlash = 0;
    d.DoDiverBack();
    EXPECT_EQ(d.DiverPos, 0);
    d.DoDiverBack();  // on the boat: nothing further
    EXPECT_EQ(d.DiverPos, 0);
    EXPECT_EQ(d.BoatUnload, 4);
}

TEST_F(Diver, UnloadLowersLiftsAndLowersForThreePoints) {
    startGame();
    d.DoDiverForward();
    d.DiverLoad = 2;
    d.DoDiverBack();
    EXPECT_EQ(shownPlaces(), "0");
    EXPECT_EQ(d.BoatUnload, 4);
    Strings boat{frameAt(0)};
    std::vector<int32_t> pace;
    d.IdleCountdown = 0;
    for (int i = 0; i < 4; ++i) {
        d.DoUnloadStep();
        boat.push_back(frameAt(0));
        pace.push_back(d.Interval());
        EXPECT_EQ(d.IdleCountdown, 10);
    }
    EXPECT_EQ(boat, (Strings{"OnTheBoat(1)", "OnTheBoat(0)", "OnTheBoat(1)", "OnTheBoat(0)", "OnTheBoat(0)"}));
    EXPECT_EQ(d.Score, 3);
    EXPECT_EQ(d.DiverLoad, 0);
    EXPECT_EQ(rig.sounds(), (Strings{"Beep1.wav", "Beep1.wav", "Beep1.wav"}));
    EXPECT_EQ(pace, (std::vector<int32_t>{300, 300, 300, 220}));  // the diver's pace until the last count
    d.DoUnloadStep();                                             // nothing left to unload
    EXPECT_EQ(d.Score, 3);
}

TEST_F(Diver, UnloadPointReachingTheBonusReturnsTheReserveAndBeepsOnlyTheBonus) {
    startGame();
    d.Misses = 2;
    d.Remainder0->hide();
    d.Remainder1->hide();
    d.Score = 198;
    d.DiverLoad = 2;
    d.BoatUnload = 4;
    d.DoUnloadStep();
    EXPECT_EQ(rig.sounds(), (Strings{"Beep1.wav"}));
    d.DoUnloadStep();
    EXPECT_EQ(d.Score, 200);
    EXPECT_TRUE(d.Remainder0->visible());
    EXPECT_TRUE(d.Remainder1->visible());
    EXPECT_EQ(d.BonusFlash, 16);
    EXPECT_EQ(rig.sounds(), (Strings{"Beep1.wav", "Beep3.wav"}));
    d.DoUnloadStep();  // the unload goes on silently during the blink
    EXPECT_EQ(d.Score, 201);
    EXPECT_EQ(rig.sounds().size(), 2u);
    EXPECT_EQ(d.Interval(), 300);
}

TEST_F(Diver, BonusWithOneMissShowsOnlyTheOuterReserve) {
    startGame();
    d.Misses = 1;
    d.Remainder0->hide();
    d.Score = 499;
    d.DoAddPoint();
    EXPECT_TRUE(d.Remainder0->visible());
    EXPECT_TRUE(d.Remainder1->visible());
    EXPECT_EQ(d.BonusFlash, 16);
    d.BonusFlash = 0;
    d.Score = 200;
    d.DoAddPoint();  // 201: no bonus
    EXPECT_EQ(d.BonusFlash, 0);
}

TEST_F(Diver, ScoreWrapsFrom999ToOneSavingTheBest) {
    startGame(engine::GameB);
    rig.settings.values["Game B High Score"] = "512";
    d.Score = 999;
    d.DoAddPoint();
    EXPECT_EQ(d.Score, 1);
    EXPECT_EQ(rig.settings.values["Game B High Score"], "999");
    EXPECT_EQ(rig.settings.values["Game A High Score"], "0");
    EXPECT_EQ(d.MinuteDigit[1]->picture(), d.Number[1]->picture());
    EXPECT_FALSE(d.HourDigit[1]->visible());
    EXPECT_EQ(d.Interval(), 170);
    // Round again: the bonus comes back with the 200.
    d.Score = 199;
    d.DoAddPoint();
    EXPECT_EQ(d.BonusFlash, 16);
}

TEST_F(Diver, NoPointOnTheClockOrDuringACatch) {
    d.DoAddPoint();
    EXPECT_EQ(d.Score, 0);
    startGame();
    d.CaughtCounter = 3;
    const auto interval = d.Interval();
    rig.timer.history.clear();
    d.DoAddPoint();
    EXPECT_EQ(d.Score, 0);
    EXPECT_EQ(d.Interval(), interval);
    EXPECT_TRUE(rig.timer.history.empty());
}

TEST_F(Diver, BestScoreIsWrittenOnlyWhenBeaten) {
    d.CurrentGame = engine::GameA;
    rig.settings.values["Game A High Score"] = "120";
    d.Score = 120;
    rig.settings.writes.clear();
    d.DoSaveHighScore();
    EXPECT_TRUE(rig.settings.writes.empty());
    d.Score = 121;
    d.DoSaveHighScore();
    EXPECT_EQ(rig.settings.writes, (Strings{"Game A High Score=121"}));

    // GAME B's key only for GAME B, even when GAME A's is lower.
    rig.settings.writes.clear();
    rig.settings.values["Game A High Score"] = "5";
    rig.settings.values["Game B High Score"] = "130";
    d.CurrentGame = engine::GameB;
    d.Score = 129;
    d.DoSaveHighScore();
    d.Score = 131;
    d.DoSaveHighScore();
    EXPECT_EQ(rig.settings.writes, (Strings{"Game B High Score=131"}));

    rig.settings.writes.clear();
    d.CurrentGame = engine::NoGame;
    d.DoSaveHighScore();
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(Diver, StoredBestThatIsNoNumberIsReplacedButANumberIsNeverLost) {
    d.CurrentGame = engine::GameA;
    d.Score = 7;
    for (const char* bad : {"", "lots", "12x"}) {
        rig.settings.values["Game A High Score"] = bad;
        d.DoSaveHighScore();
        EXPECT_EQ(rig.settings.values["Game A High Score"], "7") << bad;
    }
    for (const char* kept : {"1e3", "7.5", " 8 "}) {
        rig.settings.values["Game A High Score"] = kept;
        d.DoSaveHighScore();
        EXPECT_EQ(rig.settings.values["Game A High Score"], kept);
    }
    rig.settings.values.erase("Game A High Score");
    d.Score = 0;
    d.DoSaveHighScore();  // a score of 0 is no best
    EXPECT_EQ(rig.settings.values.count("Game A High Score"), 0u);
}

}  // namespace
