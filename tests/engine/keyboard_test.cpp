#include "tests/engine/button_rig.h"

namespace {

using namespace buttons_test;
using namespace engine;
using Strings = std::vector<std::string>;
namespace vk = forms::vk;

constexpr int16_t k1 = 49, k2 = 50, kA = 65, kB = 66, kI = 73, kO = 79, kR = 82, kS = 83, kT = 84;
constexpr int16_t kPad1 = 97, kPad2 = 98;

class Keyboard : public ButtonRig {};

TEST_F(Keyboard, EachDeviceKeyHoldsItsButton) {
    const std::pair<int16_t, int16_t> map[] = {{vk::Left, ButtonLeft},  {vk::Up, ButtonLeft}, {vk::Right, ButtonRight},
                                               {vk::Down, ButtonRight}, {k1, ButtonGameA},    {k2, ButtonGameB},
                                               {kT, ButtonTime},        {kA, ButtonAlarm},    {kR, ButtonACL}};
    for (auto [key, code] : map) {
        keyDown(key);
        EXPECT_TRUE(pressed(code)) << key;
        EXPECT_TRUE(d.KeyHeld) << key;
        keyUp(key);
        EXPECT_TRUE(released(code)) << key;
        EXPECT_FALSE(d.KeyHeld) << key;
        d.TimeSetMode = 0;  // R left the clock being set
    }
    EXPECT_EQ(d.PressedButton, ButtonNone);
}

TEST_F(Keyboard, KeypadDigitsAndOtherKeysDoNothing) {
    for (int16_t key : {kPad1, kPad2, int16_t{vk::Space}, int16_t{vk::Escape}, int16_t{90}}) {
        keyDown(key);
        EXPECT_FALSE(d.KeyHeld) << key;
        keyUp(key);
    }
    for (int16_t code = ButtonGameA; code <= ButtonACL; ++code) EXPECT_TRUE(released(code));
    EXPECT_FALSE(d.GameMode);
    EXPECT_TRUE(rig.window.calls.empty());
}

TEST_F(Keyboard, HeldOneIgnoresItsRepeatsAndStartsGameAOnRelease) {
    rig.settings.values["Game A High Score"] = "88";
    keyDown(k1);
    EXPECT_EQ(digits(), "  88");
    EXPECT_EQ(gameMark(), "A");
    rig.settings.values["Game A High Score"] = "99";
    for (int i = 0; i < 5; ++i) keyDown(k1);
    EXPECT_EQ(digits(), "  88");
    keyUp(k1);
    EXPECT_TRUE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, GameA);
    EXPECT_EQ(digits(), "   0");
}

TEST_F(Keyboard, SecondKeyIsIgnoredAndTheFirstKeyUpReleasesTheHeldButton) {
    keyDown(k1);
    keyDown(k2);
    EXPECT_TRUE(released(ButtonGameB));
    keyUp(k2);
    EXPECT_EQ(d.CurrentGame, GameA);
    EXPECT_TRUE(d.GameMode);
    d.Score = 5;
    keyUp(k1);
    EXPECT_EQ(d.Score, 5);
    EXPECT_FALSE(d.KeyHeld);
}

TEST_F(Keyboard, KeysAndTheMouseNeverHoldTwoButtons) {
    press(ButtonGameA, kOnGameA);
    keyDown(kT);
    EXPECT_TRUE(released(ButtonTime));
    EXPECT_FALSE(d.KeyHeld);
    keyUp(kT);
    EXPECT_EQ(d.PressedButton, ButtonGameA);
    EXPECT_FALSE(d.GameMode);
    keyUp(kI);  // window commands still run
    EXPECT_EQ(rig.window.calls, Strings{"mInstructions_Click"});
    moveTo(kOffZones);
    poll();
    release();

    keyDown(k2);
    press(ButtonGameA, kOnGameA);
    EXPECT_TRUE(released(ButtonGameA));
    release();
    EXPECT_FALSE(d.GameMode);
    EXPECT_TRUE(d.KeyHeld);
    keyUp(k2);
    EXPECT_EQ(d.CurrentGame, GameB);
}

TEST_F(Keyboard, WindowCommandKeysActOnKeyUpAndLeaveAHeldButtonHeld) {
    keyDown(k1);
    for (int16_t key : {int16_t{vk::F1}, kI, kB, kO, int16_t{vk::Return}}) {
        keyDown(key);
        keyUp(key);
    }
    EXPECT_EQ(rig.window.calls,
              (Strings{"mInstructions_Click", "mInstructions_Click", "mBack_Click", "mOptions_Click", "popupMenu"}));
    EXPECT_TRUE(d.KeyHeld);
    EXPECT_TRUE(pressed(ButtonGameA));
    EXPECT_FALSE(d.GameMode);
}

TEST_F(Keyboard, SoundKeyTogglesOnceAndSilencesARingingAlarmFirst) {
    d.AlarmRinging = true;
    d.BabyDrellok->show();
    keyDown(kS);
    keyDown(kS);
    keyUp(kS);
    EXPECT_EQ(rig.window.calls, Strings{"mSound_Click"});
    EXPECT_FALSE(rig.window.sound);
    EXPECT_TRUE(d.AlarmSilenced);
    EXPECT_FALSE(d.BabyDrellok->visible());
    keyUp(kS);  // a stray key-up: nothing is held
    EXPECT_EQ(rig.window.calls.size(), 1u);
}

TEST_F(Keyboard, TreasureUnloadSwallowsEveryKeyDown) {
    inPlay();
    d.BoatUnload = 3;
    for (int16_t key : {int16_t{vk::Right}, k1, kR, kS}) {
        keyDown(key);
        keyUp(key);
    }
    EXPECT_FALSE(d.ResetScreen->visible());
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_TRUE(d.GameMode);
    EXPECT_EQ(d.IdleCountdown, 10);
}

TEST_F(Keyboard, ArrowsMoveTheDiverOnKeyDown) {
    inPlay();
    keyDown(vk::Right);
    EXPECT_EQ(d.DiverPos, 1);
    keyUp(vk::Right);
    EXPECT_EQ(d.DiverPos, 1);
    keyDown(vk::Down);
    keyUp(vk::Down);
    EXPECT_EQ(d.DiverPos, 2);
    keyDown(vk::Up);
    keyUp(vk::Up);
    EXPECT_EQ(d.DiverPos, 1);

    d.DiverPos = 7;  // grabbing at the treasure: the look only
    d.IdleCountdown = 4;
    keyDown(vk::Right);
    EXPECT_TRUE(pressed(ButtonRight));
    EXPECT_EQ(d.DiverPos, 7);
    EXPECT_EQ(d.IdleCountdown, 4);
    keyUp(vk::Right);
}

TEST_F(Keyboard, LeftArrowInTheClockSettingStepsOnceAndTheTickRepeats) {
    d.TimeSetMode = 1;
    d.SetTimeText = "120000 AM";
    moveTo(kOffZones);
    keyDown(vk::Left);
    EXPECT_EQ(d.SetTimeText, "010000 AM");
    for (int i = 0; i < 3; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "010000 AM");
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "020000 AM");
    keyUp(vk::Left);
    EXPECT_EQ(d.SetTimeText, "020000 AM");
    EXPECT_EQ(d.RepeatCount, 0);
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "020000 AM");
}

TEST_F(Keyboard, TimeKeyShowsTheAlarmAndSavesOrSetsOnKeyUp) {
    rig.settings.values["Alarm Time"] = "063000 AM";
    d.TimeSetMode = 1;
    d.SetTimeText = "073000 PM";
    keyDown(kT);
    EXPECT_EQ(digits(), " 630");
    EXPECT_TRUE(d.BabyDrellok->visible());
    keyUp(kT);
    EXPECT_FALSE(d.BabyDrellok->visible());
    EXPECT_EQ(d.TimeSetMode, 0);
    EXPECT_EQ(rig.clock.clock.now(), (forms::TimeOfDay{19, 30, 0}));

    d.AlarmSetMode = AlarmSetEditing;
    d.SetTimeText = "081500 PM";
    d.AlarmSilenced = true;
    tap(kT);
    EXPECT_EQ(rig.settings.values["Alarm Time"], "081500 PM");
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_FALSE(d.AlarmSilenced);
}

TEST_F(Keyboard, TimeKeyLeavesTheGameOverWithoutSilencingTheAlarm) {
    inGameOver();
    keyDown(kT);
    EXPECT_TRUE(d.BabyDrellok->visible());
    keyUp(kT);
    EXPECT_FALSE(d.GameMode);
    EXPECT_FALSE(d.AlarmSilenced);
    EXPECT_FALSE(d.BabyDrellok->visible());
}

TEST_F(Keyboard, AlarmKeyInGameOverKeepsTheBoardAndEntersTheEditingStage) {
    rig.settings.values["Alarm Time"] = "063000 AM";
    inGameOver();
    keyDown(kA);
    EXPECT_TRUE(d.GameMode);
    EXPECT_EQ(d.Misses, 4);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetPreview);
    keyUp(kA);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetEditing);
    EXPECT_EQ(d.SetTimeText, "063000 AM");
    EXPECT_EQ(d.Interval(), 200);
}

TEST_F(Keyboard, AlarmKeyDoesNothingInPlay) {
    inPlay();
    rig.timer.setInterval(220);
    tap(kA);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_EQ(d.Interval(), 220);
    EXPECT_FALSE(d.KeyHeld);
}

TEST_F(Keyboard, AlarmKeySwitchesAndStoresTheSwitchInTheEditingStage) {
    d.AlarmSetMode = AlarmSetEditing;
    d.AlarmOn = true;
    keyDown(kA);
    EXPECT_FALSE(d.AlarmOn);
    EXPECT_FALSE(d.Note->visible());
    keyUp(kA);
    EXPECT_EQ(rig.settings.writes, Strings{"Alarm On=False"});
}

TEST_F(Keyboard, AclKeyClearsWithoutTouchingTheSystemClock) {
    d.CurrentGame = GameB;
    d.DoStartGame();
    d.DoShowScore(31);
    keyDown(kR);
    EXPECT_TRUE(d.ResetScreen->visible());
    keyUp(kR);
    EXPECT_EQ(rig.settings.writes,
              (Strings{"Game A High Score=0", "Game B High Score=0", "Alarm Time=120000 PM", "Alarm On=False"}));
    EXPECT_FALSE(d.ResetScreen->visible());
    EXPECT_FALSE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, GameB);
    EXPECT_EQ(d.TimeSetMode, 1);
    EXPECT_EQ(d.SetTimeText, "120000 AM");
    EXPECT_EQ(digits(), "1200");
    EXPECT_EQ(d.Interval(), 200);
    EXPECT_TRUE(rig.clock.system.setRequests.empty());

    // Setting the clock then gives the digits back to a running clock.
    tap(vk::Right);
    tap(kT);
    EXPECT_EQ(rig.clock.clock.now(), (forms::TimeOfDay{0, 1, 0}));
    rig.clock.advance(61);
    d.Timer1_Timer();
    EXPECT_EQ(digits(), "1202");
}

}  // namespace
