#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

class Speed : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    // The interval a game runs at with a score; the stored speeds are the rig's
    // defaults unless a test changes them.
    int32_t paceAt(uint8_t game, int16_t score) {
        d.CurrentGame = game;
        d.Score = score;
        d.DoCheckSpeed();
        return d.Interval();
    }
    int32_t reductionAt(uint8_t game, int16_t score) {
        return (game == engine::GameA ? 220 : 170) - paceAt(game, score);
    }
};

struct Edge {
    int16_t score;
    int32_t reduction;
};

TEST_F(Speed, GameABandEdges) {
    const Edge edges[] = {{0, 0},    {69, 0},   {70, 30},  {99, 30},  {100, 0},  {159, 0},  {160, 30}, {189, 30},
                          {190, 60}, {199, 60}, {200, 0},  {279, 30}, {280, 60}, {329, 0},  {330, 30}, {359, 30},
                          {360, 50}, {389, 50}, {390, 80}, {399, 80}, {489, 50}, {490, 80}, {519, 0},  {520, 30},
                          {559, 30}, {560, 60}, {609, 0},  {689, 60}, {690, 80}, {709, 0},  {779, 60}, {780, 80},
                          {809, 0},  {810, 30}, {829, 30}, {830, 50}, {869, 50}, {870, 80}, {899, 80}, {929, 0},
                          {930, 30}, {969, 30}, {970, 80}, {998, 80}, {999, 80}};
    for (const Edge& e : edges) EXPECT_EQ(reductionAt(engine::GameA, e.score), e.reduction) << "score " << e.score;
}

TEST_F(Speed, GameBBandEdges) {
    const Edge edges[] = {{0, 0},    {29, 0},   {30, 30},  {69, 30},  {70, 60},  {99, 60},  {100, 0},
                          {129, 0},  {130, 30}, {189, 60}, {190, 80}, {199, 80}, {219, 0},  {220, 30},
                          {299, 80}, {360, 60}, {389, 60}, {390, 80}, {460, 60}, {519, 0},  {599, 60},
                          {689, 60}, {690, 80}, {809, 0},  {810, 0},  {829, 0},  {830, 30}, {869, 30},
                          {870, 60}, {899, 60}, {900, 0},  {970, 80}, {998, 80}, {999, 0}};
    for (const Edge& e : edges) EXPECT_EQ(reductionAt(engine::GameB, e.score), e.reduction) << "score " << e.score;
}

TEST_F(Speed, PaceQuickensThroughEachHundredAndFallsBackAtItsStart) {
    for (uint8_t game : {engine::GameA, engine::GameB}) {
        for (int hundred = 0; hundred < 1000; hundred += 100) {
            SCOPED_TRACE(testing::Message() << "game " << int(game) << " from " << hundred);
            EXPECT_EQ(reductionAt(game, static_cast<int16_t>(hundred)), 0);
            int32_t last = 0;
            for (int s = hundred; s < hundred + 100; ++s) {
                if (game == engine::GameB && s == 999) continue;  // GAME B's last band stops at 998
                const int32_t r = reductionAt(game, static_cast<int16_t>(s));
                EXPECT_GE(r, last) << "score " << s;
                last = r;
            }
        }
    }
}

TEST_F(Speed, BaseNotAboveTheReductionKeepsTheBase) {
    rig.settings.values["Game A Speed"] = "30";
    EXPECT_EQ(paceAt(engine::GameA, 75), 30);  // 30 is not greater than 30
    rig.settings.values["Game A Speed"] = "31";
    EXPECT_EQ(paceAt(engine::GameA, 75), 1);
    rig.settings.values["Game A Speed"] = "50";
    EXPECT_EQ(paceAt(engine::GameA, 365), 50);  // the 50 ms band: no other band instead
    rig.settings.values["Game B Speed"] = "60";
    EXPECT_EQ(paceAt(engine::GameB, 80), 60);  // no smaller reduction is taken in its place
    rig.settings.values["Game B Speed"] = "80";
    EXPECT_EQ(paceAt(engine::GameB, 998), 80);
    rig.settings.values["Game B Speed"] = "81";
    EXPECT_EQ(paceAt(engine::GameB, 998), 1);
}

TEST_F(Speed, DiverSpeedWhileASequenceRunsAnywhere) {
    rig.settings.values["Diver Speed"] = "123";
    for (int which = 0; which < 3; ++which) {
        for (uint8_t game : {engine::NoGame, engine::GameA, engine::GameB}) {
            d.BonusFlash = which == 0 ? 3 : 0;
            d.CaughtCounter = which == 1 ? 7 : 0;
            d.BoatUnload = which == 2 ? 2 : 0;
            d.TimeSetMode = game == engine::NoGame ? 1 : 0;  // not even a setting mode keeps its pace
            rig.timer.setInterval(200);
            EXPECT_EQ(paceAt(game, 75), 123) << which << " " << int(game);
        }
    }
}

TEST_F(Speed, ClockModeRunsAtFiftyButSettingModesKeepTheirPace) {
    rig.timer.setInterval(300);
    EXPECT_EQ(paceAt(engine::NoGame, 0), 50);
    rig.timer.setInterval(200);
    d.AlarmSetMode = engine::AlarmSetEditing;
    EXPECT_EQ(paceAt(engine::NoGame, 0), 200);
    d.AlarmSetMode = engine::AlarmSetOff;
    d.TimeSetMode = 1;
    EXPECT_EQ(paceAt(engine::NoGame, 0), 200);
    d.TimeSetMode = 0;
    rig.timer.setInterval(77);
    EXPECT_EQ(paceAt(3, 0), 77);  // no such game: left alone
}

TEST_F(Speed, NewStoredSpeedsTakeEffectAtOnceWithTheScoresBand) {
    EXPECT_EQ(paceAt(engine::GameA, 200), 220);
    rig.settings.values["Game A Speed"] = "441";
    d.DoCheckSpeed();
    EXPECT_EQ(d.Interval(), 441);
    d.Score = 195;
    d.DoCheckSpeed();
    EXPECT_EQ(d.Interval(), 381);
}

TEST_F(Speed, StoredSpeedsThatAreNoNumberReadAsTheirDefaults) {
    for (const char* bad : {"", "fast", "12ms", "0x20", "0", "-40", "99999999999"}) {
        SCOPED_TRACE(bad);
        rig.settings.values["Game A Speed"] = bad;
        rig.settings.values["Game B Speed"] = bad;
        rig.settings.values["Diver Speed"] = bad;
        EXPECT_EQ(paceAt(engine::GameA, 0), 220);
        EXPECT_EQ(paceAt(engine::GameB, 70), 110);
        d.BoatUnload = 1;
        EXPECT_EQ(paceAt(engine::GameA, 0), 300);
        d.BoatUnload = 0;
    }
    rig.settings.values.erase("Game A Speed");
    EXPECT_EQ(paceAt(engine::GameA, 0), 220);
}

TEST_F(Speed, FractionsRoundHalfToEven) {
    rig.settings.values["Game A Speed"] = "200.5";
    EXPECT_EQ(paceAt(engine::GameA, 0), 200);
    rig.settings.values["Game A Speed"] = "201.5";
    EXPECT_EQ(paceAt(engine::GameA, 0), 202);
    rig.settings.values["Game A Speed"] = " 150 ";
    EXPECT_EQ(paceAt(engine::GameA, 70), 120);
}

}  // namespace
