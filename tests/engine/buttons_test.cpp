#include <memory>

#include "tests/engine/button_rig.h"

namespace {

using namespace buttons_test;
using namespace engine;
using Strings = std::vector<std::string>;

// Which zone the poll finds under a point while the mouse is held.
int16_t zoneAt(forms::Point p) {
    auto rig = std::make_unique<fakes::EngineRig>();
    rig->device.PressedButton = ButtonOutside;
    rig->cursor.pos = p;
    rig->device.DoTrackButtons();
    return rig->device.PressedButton;
}

TEST(HotZones, BoundsAreInclusiveAndNotTheImageRectangles) {
    struct Case {
        forms::Point p;
        int16_t zone;
    };
    const Case cases[] = {
        // GAME A is a pixel wider than its image; 298 and y 32 are off it.
        {{282, 24}, ButtonGameA},
        {{297, 31}, ButtonGameA},
        {{298, 31}, ButtonOutside},
        {{297, 32}, ButtonOutside},
        {{281, 28}, ButtonOutside},
        {{297, 53}, ButtonGameB},
        {{290, 45}, ButtonOutside},
        {{297, 75}, ButtonTime},
        {{297, 76}, ButtonOutside},
        // LEFT sits a pixel above its image.
        {{25, 126}, ButtonLeft},
        {{48, 149}, ButtonLeft},
        {{25, 150}, ButtonOutside},
        {{49, 140}, ButtonOutside},
        // RIGHT: a pixel right of and two above its image.
        {{284, 126}, ButtonRight},
        {{307, 149}, ButtonRight},
        {{283, 130}, ButtonOutside},
        {{300, 150}, ButtonOutside},
        {{315, 41}, ButtonAlarm},
        {{316, 41}, ButtonOutside},
        {{309, 58}, ButtonACL},
        {{309, 65}, ButtonOutside},
        {{13, 28}, ButtonLogo},
        {{54, 63}, ButtonLogo},
        {{55, 63}, ButtonOutside},
        {{12, 40}, ButtonOutside},
    };
    for (const Case& c : cases) EXPECT_EQ(zoneAt(c.p), c.zone) << "at " << c.p.x << "," << c.p.y;
}

class MousePress : public ButtonRig {};

TEST_F(MousePress, PollWithoutAHeldButtonChangesNothing) {
    moveTo(kOnGameA);
    poll();
    EXPECT_EQ(d.PressedButton, ButtonNone);
    EXPECT_TRUE(released(ButtonGameA));
    EXPECT_FALSE(d.ScoreShown);
}

TEST_F(MousePress, GameAPreviewFollowsThePointerOffAndOn) {
    rig.settings.values["Game A High Score"] = "57";
    press(ButtonGameA, kOnGameA);
    EXPECT_TRUE(pressed(ButtonGameA));
    EXPECT_EQ(digits(), "  57");
    EXPECT_EQ(gameMark(), "A");
    EXPECT_EQ(d.PressedButton, ButtonGameA);

    moveTo(kOffZones);
    poll();
    EXPECT_TRUE(released(ButtonGameA));
    EXPECT_EQ(d.PressedButton, ButtonOutside);
    EXPECT_FALSE(d.ScoreShown);
    EXPECT_EQ(gameMark(), "");
    d.DoClockTick();  // the clock has its digits back
    EXPECT_EQ(digits(), "1015");

    moveTo(kOnGameA);
    poll();
    EXPECT_TRUE(pressed(ButtonGameA));
    EXPECT_EQ(digits(), "  57");
    EXPECT_EQ(gameMark(), "A");

    // Let go off every zone: no game.
    moveTo(kOffZones);
    poll();
    release();
    EXPECT_EQ(d.CurrentGame, NoGame);
    EXPECT_FALSE(d.GameMode);
    EXPECT_EQ(d.PressedButton, ButtonNone);
}

TEST_F(MousePress, UnconvertibleBestScoreReadsAsZero) {
    rig.settings.values["Game A High Score"] = "x";
    rig.settings.values["Game B High Score"] = "";
    press(ButtonGameA, kOnGameA);
    EXPECT_EQ(digits(), "   0");
    moveTo(kOnGameB);
    poll();
    EXPECT_EQ(digits(), "   0");
    EXPECT_EQ(gameMark(), "B");
}

TEST_F(MousePress, SlidingOntoGameBHandsTheHoldOver) {
    rig.settings.values["Game A High Score"] = "57";
    rig.settings.values["Game B High Score"] = "123";
    press(ButtonGameA, kOnGameA);
    moveTo(kOnGameB);
    poll();
    EXPECT_TRUE(released(ButtonGameA));
    EXPECT_TRUE(pressed(ButtonGameB));
    EXPECT_EQ(digits(), " 123");
    EXPECT_EQ(gameMark(), "B");
    EXPECT_EQ(d.PressedButton, ButtonGameB);

    release();  // on the GAME A picture, which took the press
    EXPECT_EQ(d.CurrentGame, GameB);
    EXPECT_TRUE(released(ButtonGameB));
    EXPECT_TRUE(d.GameMode);
}

TEST_F(MousePress, GameOverPreviewGivesTheFinalScoreBackOnLeaving) {
    inGameOver(GameA, 42);
    rig.settings.values["Game B High Score"] = "300";
    press(ButtonGameB, kOnGameB);
    EXPECT_EQ(digits(), " 300");
    EXPECT_EQ(gameMark(), "B");
    moveTo(kOffZones);
    poll();
    EXPECT_EQ(digits(), "  42");
    EXPECT_EQ(gameMark(), "A");
}

TEST_F(MousePress, InPlayTheTopButtonsOnlyLookPressed) {
    inPlay();
    d.DoShowScore(12);
    d.DoShowGameType(GameA);
    for (auto [code, at] : {std::pair{ButtonGameA, kOnGameA}, {ButtonGameB, kOnGameB}, {ButtonTime, kOnTime}}) {
        press(code, at);
        poll();
        EXPECT_TRUE(pressed(code));
        EXPECT_EQ(digits(), "  12");
        EXPECT_EQ(gameMark(), "A");
        EXPECT_FALSE(d.BabyDrellok->visible());
        moveTo(kOffZones);
        poll();
        d.PressedButton = ButtonNone;
    }
}

TEST_F(MousePress, TreasureUnloadShutsSixButtonsButNotACLAndLogo) {
    inPlay();
    d.BoatUnload = 2;
    const std::pair<int16_t, forms::Point> guarded[] = {{ButtonGameA, kOnGameA}, {ButtonGameB, kOnGameB},
                                                        {ButtonTime, kOnTime},   {ButtonLeft, kOnLeft},
                                                        {ButtonRight, kOnRight}, {ButtonAlarm, kOnAlarm}};
    for (auto [code, at] : guarded) {
        press(code, at);
        d.ButtonMouseDown(code, forms::kRightButton);
        EXPECT_TRUE(released(code)) << code;
    }
    EXPECT_EQ(d.PressedButton, ButtonNone);
    EXPECT_TRUE(rig.window.calls.empty());

    d.ButtonMouseDown(ButtonLogo, forms::kRightButton);
    EXPECT_EQ(rig.window.calls, Strings{"popupMenu"});
    press(ButtonACL, kOnACL);
    EXPECT_TRUE(pressed(ButtonACL));
    EXPECT_TRUE(d.ResetScreen->visible());
    EXPECT_EQ(d.PressedButton, ButtonACL);
}

TEST_F(MousePress, OtherMouseButtonsOpenTheMenuOnlyWithNothingHeld) {
    d.ButtonMouseDown(ButtonGameA, forms::kRightButton);
    d.ButtonMouseDown(ButtonTime, forms::kMiddleButton);
    EXPECT_EQ(rig.window.calls, (Strings{"popupMenu", "popupMenu"}));
    EXPECT_TRUE(released(ButtonGameA));

    // The logo takes the right button only, and is normal again after the menu.
    d.Logo_MouseMove(0);
    ASSERT_TRUE(logoLit());
    d.ButtonMouseDown(ButtonLogo, forms::kMiddleButton);
    EXPECT_EQ(rig.window.calls.size(), 2u);
    d.ButtonMouseDown(ButtonLogo, forms::kRightButton);
    EXPECT_EQ(rig.window.calls.size(), 3u);
    EXPECT_TRUE(released(ButtonLogo));

    press(ButtonLeft, kOnLeft);
    for (int16_t code = ButtonGameA; code <= ButtonLogo; ++code) d.ButtonMouseDown(code, forms::kRightButton);
    EXPECT_EQ(rig.window.calls.size(), 3u);
    EXPECT_EQ(d.PressedButton, ButtonLeft);
}

TEST_F(MousePress, AHeldKeyShutsTheMouseOut) {
    d.KeyHeld = true;
    for (int16_t code = ButtonGameA; code <= ButtonLogo; ++code) {
        d.ButtonMouseDown(code, forms::kLeftButton);
        d.ButtonMouseDown(code, forms::kRightButton);
    }
    EXPECT_EQ(d.PressedButton, ButtonNone);
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_FALSE(d.ResetScreen->visible());
    for (int16_t code = ButtonGameA; code <= ButtonACL; ++code) EXPECT_TRUE(released(code)) << code;
}

TEST_F(MousePress, OnlyTheLeftButtonsReleaseActs) {
    press(ButtonGameA, kOnGameA);
    d.ButtonMouseUp(ButtonGameA, forms::kRightButton);
    EXPECT_EQ(d.PressedButton, ButtonGameA);
    EXPECT_TRUE(pressed(ButtonGameA));
}

TEST_F(MousePress, AlarmPressPreviewsAndSlidingOffReturnsToTheClock) {
    rig.settings.values["Alarm Time"] = "063000 AM";
    rig.settings.values["Alarm On"] = "True";
    press(ButtonAlarm, kOnAlarm);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetPreview);
    EXPECT_EQ(digits(), " 630");
    EXPECT_TRUE(d.BabyDrellok->visible());
    EXPECT_TRUE(d.AlarmOn);
    EXPECT_TRUE(d.Note->visible());
    EXPECT_EQ(d.SetTimeText, "");  // the press does not load it

    poll();  // still inside: the preview is not run again
    EXPECT_EQ(d.AlarmSetMode, AlarmSetPreview);

    moveTo(kOffZones);
    poll();
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_EQ(digits(), "1015");
    EXPECT_FALSE(d.BabyDrellok->visible());

    moveTo(kOnAlarm);
    poll();
    EXPECT_EQ(d.AlarmSetMode, AlarmSetPreview);
    EXPECT_EQ(d.SetTimeText, "063000 AM");
    EXPECT_EQ(digits(), " 630");
}

TEST_F(MousePress, AlarmSwitchFlipsOnEveryEntryInTheEditingStage) {
    d.AlarmSetMode = AlarmSetEditing;
    d.SetTimeText = "063000 AM";
    d.AlarmOn = false;
    press(ButtonAlarm, kOnAlarm);
    EXPECT_TRUE(d.AlarmOn);
    EXPECT_TRUE(d.Note->visible());
    moveTo(kOffZones);
    poll();
    EXPECT_FALSE(d.AlarmOn);
    EXPECT_FALSE(d.Note->visible());
    moveTo(kOnAlarm);
    poll();
    EXPECT_TRUE(d.AlarmOn);
    poll();  // staying inside switches nothing
    EXPECT_TRUE(d.AlarmOn);
    release();
    EXPECT_EQ(rig.settings.values["Alarm On"], "True");
    EXPECT_EQ(d.AlarmSetMode, AlarmSetEditing);
}

TEST_F(MousePress, AlarmPressLeavesTheGameOverFirst) {
    inGameOver();
    press(ButtonAlarm, kOnAlarm);
    EXPECT_FALSE(d.GameMode);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetPreview);
    EXPECT_TRUE(d.BabyDrellok->visible());
}

TEST_F(MousePress, AlarmDoesNothingInPlayOrWhileTheClockIsSet) {
    inPlay();
    press(ButtonAlarm, kOnAlarm);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_FALSE(d.BabyDrellok->visible());
    release();

    d.GameMode = false;
    d.TimeSetMode = 1;
    press(ButtonAlarm, kOnAlarm);
    moveTo(kOffZones);
    poll();
    moveTo(kOnAlarm);
    poll();
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_FALSE(d.AlarmOn);
}

TEST_F(MousePress, TimeInTheClockSettingModeShowsTheAlarmThenTheTimeBeingSet) {
    rig.settings.values["Alarm Time"] = "063000 AM";
    d.TimeSetMode = 1;
    d.SetTimeText = "073000 PM";
    press(ButtonTime, kOnTime);
    EXPECT_EQ(digits(), " 630");
    EXPECT_TRUE(d.BabyDrellok->visible());
    moveTo(kOffZones);
    poll();
    EXPECT_EQ(digits(), " 730");
    EXPECT_TRUE(d.pm->visible());
    EXPECT_FALSE(d.BabyDrellok->visible());
    EXPECT_EQ(d.Interval(), 200);
}

TEST_F(MousePress, TimeInTheAlarmEditingStageShowsTheClockAndBack) {
    d.AlarmSetMode = AlarmSetEditing;
    d.SetTimeText = "063000 AM";
    d.AlarmOn = true;
    press(ButtonTime, kOnTime);
    EXPECT_EQ(digits(), "1015");
    EXPECT_FALSE(d.BabyDrellok->visible());
    moveTo(kOffZones);
    poll();
    EXPECT_EQ(digits(), " 630");
    EXPECT_TRUE(d.BabyDrellok->visible());
    EXPECT_TRUE(d.Note->visible());
    EXPECT_EQ(d.Interval(), 200);
}

TEST_F(MousePress, TimePollKeepsTheCreatureOfARingingAlarm) {
    d.AlarmSetMode = AlarmSetEditing;
    d.AlarmRinging = true;
    d.BabyDrellok->show();
    press(ButtonTime, kOnTime);
    EXPECT_FALSE(d.BabyDrellok->visible());  // the press itself hides it
    d.BabyDrellok->show();
    poll();
    EXPECT_TRUE(d.BabyDrellok->visible());
}

TEST_F(MousePress, MalformedAlarmTimeReadsAsItsDefault) {
    rig.settings.values["Alarm Time"] = "7 pm";
    press(ButtonTime, kOnTime);
    EXPECT_EQ(digits(), "1200");
    EXPECT_TRUE(d.pm->visible());
}

TEST_F(MousePress, AllClearScreenFollowsTheHold) {
    press(ButtonACL, kOnACL);
    EXPECT_TRUE(d.ResetScreen->visible());
    moveTo(kOffZones);
    poll();
    EXPECT_FALSE(d.ResetScreen->visible());
    EXPECT_TRUE(released(ButtonACL));
    moveTo(kOnACL);
    poll();
    EXPECT_TRUE(d.ResetScreen->visible());
    EXPECT_TRUE(pressed(ButtonACL));
}

TEST_F(MousePress, LeftAndRightResetTheRepeatOncePerEntry) {
    d.TimeSetMode = 1;
    press(ButtonRight, kOnRight);
    d.RepeatCount = 2;
    poll();
    EXPECT_EQ(d.RepeatCount, 2);
    moveTo(kOffZones);
    poll();
    EXPECT_EQ(d.RepeatCount, 0);
    EXPECT_TRUE(released(ButtonRight));
    d.RepeatCount = 2;
    moveTo(kOnRight);
    poll();
    EXPECT_EQ(d.RepeatCount, 0);
    EXPECT_TRUE(pressed(ButtonRight));
}

TEST_F(MousePress, PressOnTheImageOutsideItsZoneIsLostAtTheNextTick) {
    // RIGHT's image covers x 283, its zone starts at 284.
    press(ButtonRight, {283, 130});
    EXPECT_TRUE(pressed(ButtonRight));
    poll();
    EXPECT_TRUE(released(ButtonRight));
    EXPECT_EQ(d.PressedButton, ButtonOutside);
    release();
    EXPECT_EQ(d.PressedButton, ButtonNone);
}

TEST_F(MousePress, HeldLeftRepeatsInTheSettingModeThroughTheTick) {
    d.TimeSetMode = 1;
    d.SetTimeText = "120000 AM";
    press(ButtonLeft, kOnLeft);
    for (int i = 0; i < 3; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "120000 AM");
    d.Timer1_Timer();
    d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "020000 AM");
    // Sliding off stops the repeat; coming back counts three ticks again.
    moveTo(kOffZones);
    d.Timer1_Timer();
    moveTo(kOnLeft);
    for (int i = 0; i < 4; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.SetTimeText, "030000 AM");
    release();  // the release steps once more
    EXPECT_EQ(d.SetTimeText, "040000 AM");
    EXPECT_EQ(d.RepeatCount, 3);  // only a press or leaving zeroes it
}

class LogoHover : public ButtonRig {};

TEST_F(LogoHover, HoverLightsTheLogoOnlyWithNothingHeld) {
    d.Logo_MouseMove(0);
    EXPECT_TRUE(logoLit());
    d.GiveLook(ButtonLogo, 0);
    press(ButtonLeft, kOnLeft);
    d.Logo_MouseMove(forms::kLeftButton);
    EXPECT_FALSE(logoLit());
}

TEST_F(LogoHover, HeldLogoLightsInsideAndDimsOutside) {
    press(ButtonLogo, kOnLogo);
    EXPECT_FALSE(logoLit());  // the press changes no picture
    EXPECT_EQ(d.PressedButton, ButtonLogo);
    poll();
    EXPECT_TRUE(logoLit());
    moveTo(kOffZones);
    poll();
    EXPECT_FALSE(logoLit());
    release();
    EXPECT_TRUE(rig.window.calls.empty());  // let go off the logo: no About box

    click(ButtonLogo, kOnLogo);
    EXPECT_EQ(rig.window.calls, Strings{"mAbout_Click"});
    EXPECT_FALSE(logoLit());
}

}  // namespace
