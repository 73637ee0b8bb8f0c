#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class CatchSequence : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    void SetUp() override {
        d.CurrentGame = engine::GameA;
        d.DoStartGame();
        rig.sound.played.clear();
    }
    // The diver caught on a place by a game's catch.
    void caughtAt(int pos, uint8_t load = 0) {
        d.DiverStep[0]->hide();
        d.DiverPos = static_cast<uint8_t>(pos);
        d.DiverLoad = load;
        d.DiverStep[pos < 5 ? pos : 5]->show();
        d.CaughtCounter = d.GameMode ? 11 : 9;
    }
    // One step; the sounds it made, joined.
    std::string step() {
        rig.sound.played.clear();
        d.DoMissStep();
        std::string s;
        for (const auto& name : rig.sounds()) s += (s.empty() ? "" : "+") + name;
        return s;
    }
    int pose() const {
        const bool one = d.Arm->holds(d.TempArm[1]->picture());
        EXPECT_EQ(one, d.Legs->holds(d.TempLegs[1]->picture())) << "arm and legs in the same pose";
        return one ? 1 : 0;
    }
    // "R0 R1 B" for the reserve places and the boat that are shown.
    std::string boat() const {
        std::string s;
        if (d.Remainder0->visible()) s += "R0 ";
        if (d.Remainder1->visible()) s += "R1 ";
        if (d.DiverStep[0]->visible()) s += "B";
        return s;
    }
};

TEST_F(CatchSequence, GameCatchTakesElevenStepsWithItsSounds) {
    caughtAt(3);
    Strings sounds;
    std::vector<int> poses;
    for (int i = 0; i < 11; ++i) {
        sounds.push_back(step());
        poses.push_back(d.MissPic->visible() ? pose() : -1);
    }
    EXPECT_EQ(sounds, (Strings{"Beep2.wav", "", "", "Beep1.wav", "Beep1.wav", "Beep1.wav", "Beep1.wav", "Beep1.wav",
                               "Beep1.wav", "Beep1.wav", ""}));
    EXPECT_EQ(poses, (std::vector<int>{-1, -1, 0, 1, 0, 1, 0, 1, 0, 1, -1}));
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(step(), "");  // nothing runs any more
    EXPECT_EQ(d.CaughtCounter, 0);
}

TEST_F(CatchSequence, SequenceRunsAtTheDiverPaceAndEndsAtTheGamePace) {
    d.Score = 75;
    caughtAt(2);
    step();
    EXPECT_EQ(d.Interval(), 300);
    for (int i = 0; i < 9; ++i) step();
    EXPECT_EQ(d.Interval(), 300);
    step();
    EXPECT_EQ(d.Interval(), 190);
}

TEST_F(CatchSequence, FirstMissMovesTheLastReserveInwardAtStepFour) {
    caughtAt(4, 2);
    step();
    step();
    EXPECT_TRUE(d.DiverStep[4]->visible());
    Strings reserve;
    for (int i = 0; i < 9; ++i) {
        step();
        reserve.push_back(boat());
    }
    // Steps 8 down to 0.
    EXPECT_EQ(reserve, (Strings{"R0 B", "R0 B", "R0 B", "R0 B", "R1 B", "R1 B", "R1 B", "R1 B", "R1 B"}));
    EXPECT_EQ(d.Misses, 1);
    EXPECT_EQ(d.DiverPos, 0);
    EXPECT_EQ(d.DiverLoad, 0);  // the treasure is lost
    EXPECT_EQ(d.IdleCountdown, 10);
    EXPECT_EQ(rig.lit(),
              (Strings{"DiverStep(0)=OnTheBoat(0)", "Drellok(0)", "Drellok(1)", "Drellok(2)", "GameType(0)",
                       "Remainder1", "Tentacle2(0)", "Tentacle2(1)", "Tentacle3(0)", "Tentacle3(1)", "Treasure"}));
}

TEST_F(CatchSequence, StepEightTakesTheDiverAndHoldsHimWithTwoTentacles) {
    caughtAt(3);
    for (int t : {2, 3}) {
        for (int k = 0; d.TentacleSegment(t, k) != nullptr; ++k) d.TentacleSegment(t, k)->show();
        d.TentacleLength[t] = d.TentacleMax[t];
        d.TentacleReach[t] = 1;
        d.TentacleRetracting[t] = 1;
    }
    step();
    step();
    step();
    EXPECT_EQ(d.CaughtCounter, 8);
    EXPECT_FALSE(d.DiverStep[3]->visible());
    EXPECT_TRUE(d.MissPic->visible() && d.Arm->visible() && d.Legs->visible());
    EXPECT_EQ(pose(), 0);
    // Tentacle 2 is cut to two segments; tentacle 3 keeps its four and its reach.
    EXPECT_EQ(d.TentacleLength[2], 2);
    EXPECT_EQ(d.TentacleReach[2], 0);
    EXPECT_TRUE(d.Tentacle2[1]->visible());
    EXPECT_FALSE(d.Tentacle2[2]->visible() || d.Tentacle2[3]->visible() || d.Tentacle2[4]->visible());
    EXPECT_EQ(d.TentacleLength[3], 4);
    EXPECT_EQ(d.TentacleReach[3], 1);
    EXPECT_TRUE(d.Tentacle3[3]->visible());
    EXPECT_EQ(d.TentacleRetracting[2], 1);
}

TEST_F(CatchSequence, ShortTentacleThreeGrowsToTwoWithoutReach) {
    for (int len : {0, 1}) {
        SCOPED_TRACE(len);
        d.Tentacle3[0]->setVisible(len == 1);
        d.Tentacle3[1]->hide();
        d.TentacleLength[3] = static_cast<uint8_t>(len);
        d.TentacleLength[2] = 0;
        d.TentacleRetracting[2] = 0;
        caughtAt(1);
        d.CaughtCounter = 9;
        step();
        EXPECT_EQ(d.TentacleLength[3], 2);
        EXPECT_EQ(d.TentacleReach[3], 0);
        EXPECT_TRUE(d.Tentacle3[0]->visible() && d.Tentacle3[1]->visible());
        EXPECT_EQ(d.TentacleLength[2], 2);
        EXPECT_EQ(d.TentacleRetracting[2], 0);  // direction untouched: it grows on from 2
        d.MissPic->hide();
        d.Misses = 0;
    }
}

TEST_F(CatchSequence, CatchAtTheChestHidesItsPlace) {
    for (int pos : {5, 6, 7, 8}) {
        SCOPED_TRACE(pos);
        caughtAt(pos);
        d.CaughtCounter = 9;
        step();
        EXPECT_FALSE(d.DiverStep[5]->visible());
        d.Misses = 0;
    }
}

TEST_F(CatchSequence, SecondMissLeavesNoReserve) {
    d.Misses = 1;
    d.DoShowReserve();
    caughtAt(2);
    for (int i = 0; i < 3; ++i) step();
    EXPECT_EQ(boat(), "B");
    for (int i = 0; i < 8; ++i) step();
    EXPECT_EQ(boat(), "B");
    EXPECT_EQ(d.Misses, 2);
    EXPECT_FALSE(d.DiverStep[2]->visible());
}

TEST_F(CatchSequence, ThirdMissSoundsTheSameThenStrugglesSilentlyForever) {
    rig.settings.values["Game A High Score"] = "10";
    d.Score = 33;
    d.Misses = 2;
    d.DoShowReserve();
    caughtAt(5, 2);
    Strings sounds;
    for (int i = 0; i < 11; ++i) sounds.push_back(step());
    EXPECT_EQ(sounds, (Strings{"Beep2.wav", "", "", "Beep1.wav", "Beep1.wav", "Beep1.wav", "Beep1.wav", "Beep1.wav",
                               "Beep1.wav", "Beep1.wav", ""}));
    EXPECT_EQ(d.Misses, 4);
    EXPECT_EQ(d.CaughtCounter, 7);
    EXPECT_EQ(rig.settings.values["Game A High Score"], "33");
    EXPECT_TRUE(d.MissPic->visible());
    EXPECT_EQ(pose(), 1);
    EXPECT_FALSE(d.DiverStep[0]->visible());
    EXPECT_EQ(d.Interval(), 300);

    std::vector<int> counters, poses;
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(step(), "");
        counters.push_back(d.CaughtCounter);
        poses.push_back(pose());
    }
    for (size_t i = 0; i < counters.size(); ++i) {
        EXPECT_EQ(counters[i], i % 2 == 0 ? 6 : 7);
        EXPECT_EQ(poses[i], i % 2 == 0 ? 0 : 1);
    }
    EXPECT_TRUE(d.MissPic->visible());
}

TEST_F(CatchSequence, EndOfGameOverTidiesTheBoardInOneStep) {
    d.Misses = 2;
    caughtAt(2);
    for (int i = 0; i < 11; ++i) step();
    step();
    d.DoEndGame();
    d.DoClearPath();
    EXPECT_EQ(step(), "");
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_FALSE(d.MissPic->visible() || d.Arm->visible() || d.Legs->visible());
    EXPECT_EQ(boat(), "R0 R1 B");
    EXPECT_EQ(d.DiverLoad, 0);
    EXPECT_EQ(d.Interval(), 50);
}

TEST_F(CatchSequence, DemonstrationCatchIsSilentAndTakesNineSeconds) {
    d.DoEndGame();
    d.DoMissStep();
    caughtAt(3, 2);
    EXPECT_EQ(d.CaughtCounter, 9);
    EXPECT_EQ(step(), "");
    EXPECT_TRUE(d.MissPic->visible());  // taken at the first step
    EXPECT_FALSE(d.DiverStep[3]->visible());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(step(), "");
    EXPECT_EQ(d.CaughtCounter, 0);
    EXPECT_EQ(d.Misses, 1);
    EXPECT_FALSE(d.MissPic->visible());
    EXPECT_EQ(boat(), "R1 B");
    EXPECT_TRUE(rig.sound.played.empty());
}

class BonusFlash : public CatchSequence {
protected:
    // Grants the bonus as the 200th point does, then runs the flash out.
    Strings flash(uint8_t misses) {
        d.Misses = misses;
        d.DoShowReserve();
        d.Score = 199;
        d.DoAddPoint();
        EXPECT_EQ(d.BonusFlash, 16);
        Strings out;
        for (int i = 0; i < 16; ++i) {
            const std::string sounds = step();
            out.push_back(boat() + (sounds.empty() ? "" : "*"));
        }
        return out;
    }
    std::string step() {
        rig.sound.played.clear();
        d.DoBonusFlash();
        return rig.sounds().empty() ? "" : rig.sounds().front();
    }
};

TEST_F(BonusFlash, WithoutMissesNothingBlinksAndEveryTickBeeps) {
    const Strings ticks = flash(0);
    for (const auto& t : ticks) EXPECT_EQ(t, "R0 R1 B*");
    EXPECT_EQ(d.Misses, 0);
    EXPECT_EQ(d.BonusFlash, 0);
}

TEST_F(BonusFlash, OneMissBlinksTheOuterPlaceOnly) {
    const Strings ticks = flash(1);
    for (size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i], i % 2 == 0 ? "R1 B" : "R0 R1 B*") << i;
    EXPECT_EQ(d.Misses, 0);
}

TEST_F(BonusFlash, TwoMissesBlinkBothPlacesTogether) {
    const Strings ticks = flash(2);
    for (size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i], i % 2 == 0 ? "B" : "R0 R1 B*") << i;
    EXPECT_EQ(d.Misses, 0);
}

TEST_F(BonusFlash, MissesStayUntilTheLastTick) {
    d.Misses = 2;
    d.BonusFlash = 2;
    d.DoBonusFlash();
    EXPECT_EQ(d.Misses, 2);
    d.DoBonusFlash();
    EXPECT_EQ(d.Misses, 0);
    rig.sound.played.clear();
    d.scene().takeDirty();
    d.DoBonusFlash();  // no flash: no picture, no sound
    EXPECT_FALSE(d.scene().hasDirty());
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(BonusFlash, TickStandsTheTentaclesStillAndKeepsTheDiverPaceAfterwards) {
    d.Score = 199;
    d.DoDiverForward();
    d.DoDiverForward();
    d.DoDiverForward();
    d.DoDiverForward();
    d.DoDiverForward();
    d.DoDiverForward();  // the grab starts: sub-step 6
    d.Timer1_Timer();
    d.Timer1_Timer();  // sub-step 8: the 200th point
    ASSERT_EQ(d.BonusFlash, 16);
    rig.random.script.assign(200, 0.0f);  // every start chance would hold
    for (int i = 0; i < 16; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.DiverPos, 8);  // the grab waited
    EXPECT_EQ(d.BonusFlash, 0);
    EXPECT_EQ(rig.random.script.size(), 200u);
    EXPECT_EQ(d.Interval(), 300);
    d.Timer1_Timer();
    EXPECT_EQ(d.DiverPos, 5);
    EXPECT_EQ(d.Interval(), 300);  // no point, no unload: the pace stays
}

}  // namespace
