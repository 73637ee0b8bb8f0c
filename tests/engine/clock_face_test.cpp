#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class ClockFace : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // The clock's own segments only (the board is another story).
    Strings face() const {
        Strings out;
        for (const auto& s : rig.lit())
            if (s.rfind("HourDigit", 0) == 0 || s.rfind("MinuteDigit", 0) == 0 || s == "Colon" || s == "am" ||
                s == "pm" || s == "Note" || s.rfind("GameType", 0) == 0)
                out.push_back(s);
        return out;
    }
};

TEST_F(ClockFace, MidnightShowsTwelveWithAmAndColon) {
    d.DoShowTime("120000 AM");
    EXPECT_EQ(face(), (Strings{"Colon", "HourDigit(0)=Number(1)", "HourDigit(1)=Number(2)", "MinuteDigit(0)=Number(0)",
                               "MinuteDigit(1)=Number(0)", "am"}));
}

TEST_F(ClockFace, SingleDigitHourOddSecondPm) {
    d.DoShowTime("083015 PM");
    EXPECT_EQ(face(),
              (Strings{"HourDigit(1)=Number(8)", "MinuteDigit(0)=Number(3)", "MinuteDigit(1)=Number(0)", "pm"}));
}

TEST_F(ClockFace, NoteFollowsTheStoredSwitchOnEveryDrawing) {
    rig.settings.values["Alarm On"] = "True";
    d.DoShowTime("120000 AM");
    EXPECT_TRUE(d.Note->visible());
    rig.settings.values["Alarm On"] = "False";
    d.DoShowTime("120000 AM");
    EXPECT_FALSE(d.Note->visible());
    rig.settings.values["Alarm On"] = "maybe";  // unconvertible reads as False
    d.DoShowTime("120000 AM");
    EXPECT_FALSE(d.Note->visible());
}

TEST_F(ClockFace, ScoresStandRightAlignedWithoutLeadingZeros) {
    d.DoShowTime("120000 AM");
    d.DoShowScore(0);
    EXPECT_TRUE(d.ScoreShown);
    EXPECT_EQ(face(), (Strings{"MinuteDigit(1)=Number(0)"}));
    d.DoShowScore(7);
    EXPECT_EQ(face(), (Strings{"MinuteDigit(1)=Number(7)"}));
    d.DoShowScore(50);
    EXPECT_EQ(face(), (Strings{"MinuteDigit(0)=Number(5)", "MinuteDigit(1)=Number(0)"}));
    d.DoShowScore(105);
    EXPECT_EQ(face(), (Strings{"HourDigit(1)=Number(1)", "MinuteDigit(0)=Number(0)", "MinuteDigit(1)=Number(5)"}));
}

TEST_F(ClockFace, TimeAfterScoreBringsBackMarkAndColon) {
    d.DoShowTime("120000 AM");
    d.DoShowScore(105);
    d.DoShowTime("120002 AM");
    EXPECT_TRUE(d.am->visible());
    EXPECT_TRUE(d.Colon->visible());
    EXPECT_TRUE(d.HourDigit[0]->visible());
}

TEST_F(ClockFace, GameTypeIgnoresUnknownKinds) {
    d.DoShowGameType(engine::GameB);
    for (int16_t k : {3, -1}) {
        d.DoShowGameType(k);
        EXPECT_FALSE(d.GameType[0]->visible());
        EXPECT_TRUE(d.GameType[1]->visible());
    }
    d.DoShowGameType(engine::NoGame);
    EXPECT_FALSE(d.GameType[1]->visible());
}

TEST_F(ClockFace, MalformedTimeTextDrawsWithoutFailing) {
    d.DoShowTime("");
    d.DoShowTime("ab:cd");
    EXPECT_TRUE(d.HourDigit[1]->visible());
}

TEST_F(ClockFace, ClockTickDrawsTheTimeUnlessTimeHeldOrScoreShown) {
    rig.clock.set(20, 30, 16);
    d.DoClockTick();
    EXPECT_EQ(face(), (Strings{"Colon", "HourDigit(1)=Number(8)", "MinuteDigit(0)=Number(3)",
                               "MinuteDigit(1)=Number(0)", "pm"}));
    d.TimeButton->setPicture(d.Button0[1]->picture());
    rig.clock.set(20, 31, 16);
    d.DoClockTick();
    EXPECT_EQ(d.MinuteDigit[1]->picture(), d.Number[0]->picture());
    EXPECT_EQ(d.LastSecond, 16);
}

TEST_F(ClockFace, RedrawingTheSameTimePaintsNothing) {
    rig.clock.set(9, 15, 2);
    d.DoClockTick();
    d.scene().takeDirty();
    d.DoClockTick();
    EXPECT_FALSE(d.scene().hasDirty());
}

}  // namespace
