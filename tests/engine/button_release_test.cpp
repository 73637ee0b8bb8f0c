#include "tests/engine/button_rig.h"

namespace {

using namespace buttons_test;
using namespace engine;
using Strings = std::vector<std::string>;

class ButtonRelease : public ButtonRig {
protected:
    // A release of the button the mouse holds, without the press's preview.
    void letGo(int16_t code) {
        d.GiveLook(code, 1);
        d.PressedButton = code;
        d.DoButtonUp();
    }
    void ringing() {
        d.AlarmRinging = true;
        d.BabyDrellok->show();
        d.Alarm[0]->show();
        d.Alarm[1]->show();
    }
};

TEST_F(ButtonRelease, NothingAtAllWhileAKeyHoldsAButton) {
    ringing();
    d.KeyHeld = true;
    d.GiveLook(ButtonTime, 1);
    d.PressedButton = ButtonTime;
    d.DoButtonUp();
    EXPECT_TRUE(d.AlarmRinging);
    EXPECT_TRUE(d.BabyDrellok->visible());
    EXPECT_EQ(d.PressedButton, ButtonTime);
    EXPECT_TRUE(pressed(ButtonTime));
}

TEST_F(ButtonRelease, OutsideEveryZoneOnlySilencesAndHandsTheDigitsBack) {
    ringing();
    d.CurrentGame = NoGame;
    d.DoShowScore(57);
    d.DoShowGameType(GameA);
    d.PressedButton = ButtonOutside;
    d.DoButtonUp();
    EXPECT_EQ(d.PressedButton, ButtonNone);
    EXPECT_FALSE(d.ScoreShown);
    EXPECT_EQ(gameMark(), "");
    EXPECT_TRUE(d.AlarmSilenced);
    EXPECT_FALSE(d.AlarmRinging);
    EXPECT_FALSE(d.GameMode);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(ButtonRelease, GameButtonsStartGamesOnlyOutsideTheSettingModes) {
    d.AlarmSetMode = AlarmSetEditing;
    letGo(ButtonGameA);
    EXPECT_TRUE(released(ButtonGameA));
    EXPECT_FALSE(d.GameMode);
    d.AlarmSetMode = AlarmSetOff;
    d.TimeSetMode = 1;
    letGo(ButtonGameB);
    EXPECT_FALSE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, NoGame);

    d.TimeSetMode = 0;
    letGo(ButtonGameA);
    EXPECT_TRUE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, GameA);
    EXPECT_EQ(gameMark(), "A");
    EXPECT_EQ(d.Interval(), 220);  // the stored GAME A speed

    // A game in play ignores both.
    d.Score = 15;
    letGo(ButtonGameB);
    EXPECT_EQ(d.CurrentGame, GameA);
    EXPECT_EQ(d.Score, 15);
}

TEST_F(ButtonRelease, GameBInAGameAGameOverStartsAFreshGameB) {
    inGameOver(GameA, 42);
    letGo(ButtonGameB);
    EXPECT_TRUE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, GameB);
    EXPECT_EQ(d.Misses, 0);
    EXPECT_EQ(d.Score, 0);
    EXPECT_EQ(gameMark(), "B");
    EXPECT_EQ(digits(), "   0");
}

TEST_F(ButtonRelease, TimeInPlainClockModeSavesAndSetsNothing) {
    rig.timer.setInterval(200);
    d.BabyDrellok->show();
    letGo(ButtonTime);
    EXPECT_FALSE(d.BabyDrellok->visible());
    EXPECT_EQ(d.Interval(), 50);
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_TRUE(rig.clock.system.setRequests.empty());
}

TEST_F(ButtonRelease, TimeSavesTheAlarmBeingSet) {
    d.AlarmSetMode = AlarmSetEditing;
    d.SetTimeText = "063000 AM";
    d.AlarmSilenced = true;
    letGo(ButtonTime);
    EXPECT_EQ(rig.settings.writes, Strings{"Alarm Time=063000 AM"});
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_FALSE(d.AlarmSilenced);
}

TEST_F(ButtonRelease, TimeSetsTheClockAndKeepsTheDate) {
    d.TimeSetMode = 1;
    d.SetTimeText = "073000 PM";
    letGo(ButtonTime);
    ASSERT_EQ(rig.clock.system.setRequests.size(), 1u);
    EXPECT_EQ(rig.clock.system.setRequests[0], (forms::TimeOfDay{19, 30, 0}));
    EXPECT_EQ(rig.clock.clock.now(), (forms::TimeOfDay{19, 30, 0}));
    EXPECT_EQ(d.TimeSetMode, 0);
}

TEST_F(ButtonRelease, RefusedClockStillShowsTheTimeSet) {
    rig.clock.system.refuse = true;
    d.TimeSetMode = 1;
    d.SetTimeText = "120005 AM";
    letGo(ButtonTime);
    EXPECT_EQ(rig.clock.system.time, (forms::TimeOfDay{10, 15, 20}));
    EXPECT_EQ(rig.clock.clock.now(), (forms::TimeOfDay{0, 0, 5}));
    d.Timer1_Timer();
    EXPECT_EQ(digits(), "1200");
    EXPECT_TRUE(d.am->visible());
}

TEST_F(ButtonRelease, ATimeTextThatDoesNotConvertSetsNothing) {
    d.TimeSetMode = 1;
    for (const char* text : {"", "1230", "993000 PM", "0730xx PM"}) {
        d.SetTimeText = text;
        d.TimeSetMode = 1;
        letGo(ButtonTime);
    }
    EXPECT_TRUE(rig.clock.system.setRequests.empty());
    EXPECT_EQ(d.TimeSetMode, 0);
}

TEST_F(ButtonRelease, TimeInGameOverBackToTheClockWithTheAlarmKeptQuiet) {
    inGameOver();
    d.DiverStep[3]->show();
    d.BabyDrellok->show();  // TIME held showed the alarm time
    letGo(ButtonTime);
    EXPECT_FALSE(d.GameMode);
    EXPECT_FALSE(d.DiverStep[3]->visible());
    EXPECT_TRUE(d.AlarmSilenced);
    EXPECT_FALSE(d.BabyDrellok->visible());
    d.Timer1_Timer();
    EXPECT_EQ(digits(), "1015");
}

TEST_F(ButtonRelease, LeftAndRightStepTheDiverOnlyWhenHeMayMove) {
    inPlay();
    d.CaughtCounter = 5;  // a catch runs: no step, and no time step either
    d.DiverPos = 2;
    d.SetTimeText = "120000 AM";
    letGo(ButtonLeft);
    letGo(ButtonRight);
    EXPECT_EQ(d.DiverPos, 2);
    EXPECT_EQ(d.IdleCountdown, 10);
    EXPECT_EQ(d.SetTimeText, "120000 AM");

    d.CaughtCounter = 0;
    d.BonusFlash = 8;
    d.DiverPos = 0;  // on the boat during the bonus blink
    letGo(ButtonRight);
    EXPECT_EQ(d.IdleCountdown, 10);
    d.BonusFlash = 0;
    for (uint8_t pos : {6, 7, 8}) {  // grabbing at the treasure
        d.DiverPos = pos;
        letGo(ButtonRight);
        EXPECT_EQ(d.IdleCountdown, 10) << int(pos);
    }
    d.DiverPos = 0;
    letGo(ButtonRight);
    EXPECT_EQ(d.DiverPos, 1);
    EXPECT_TRUE(d.DiverStep[1]->visible());
    letGo(ButtonLeft);  // empty-handed he stays on place 1
    EXPECT_EQ(d.DiverPos, 1);
}

TEST_F(ButtonRelease, LeftAndRightStepTheTimeInTheSettingModes) {
    d.AlarmSetMode = AlarmSetEditing;
    d.SetTimeText = "115900 AM";
    letGo(ButtonLeft);
    EXPECT_EQ(d.SetTimeText, "125900 PM");
    letGo(ButtonRight);
    EXPECT_EQ(d.SetTimeText, "120000 PM");
    EXPECT_EQ(digits(), "1200");
}

TEST_F(ButtonRelease, AlarmAdvancesItsStages) {
    letGo(ButtonAlarm);  // stage 0: the look and the pace only
    EXPECT_EQ(d.Interval(), 200);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_TRUE(rig.settings.writes.empty());

    rig.settings.values["Alarm Time"] = "063000 AM";
    d.AlarmSetMode = AlarmSetPreview;
    letGo(ButtonAlarm);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetEditing);
    EXPECT_EQ(d.SetTimeText, "063000 AM");

    d.AlarmOn = false;
    letGo(ButtonAlarm);
    EXPECT_EQ(rig.settings.writes, Strings{"Alarm On=False"});
    EXPECT_EQ(d.AlarmSetMode, AlarmSetEditing);
}

TEST_F(ButtonRelease, AlarmEditingStartsFromTheDefaultForAnUnreadableStoredTime) {
    for (const char* stored : {"", "noon", "253000 AM", "063000 am", "0630 AM"}) {
        rig.settings.values["Alarm Time"] = stored;
        d.AlarmSetMode = AlarmSetPreview;
        letGo(ButtonAlarm);
        EXPECT_EQ(d.SetTimeText, "120000 PM") << stored;
    }
    rig.settings.values.erase("Alarm Time");
    d.AlarmSetMode = AlarmSetPreview;
    letGo(ButtonAlarm);
    EXPECT_EQ(d.SetTimeText, "120000 PM");
}

TEST_F(ButtonRelease, AclDuringAGameClearsEverythingButTheGameKind) {
    rig.settings.values["Game A High Score"] = "321";
    d.CurrentGame = GameA;
    d.DoStartGame();
    d.Score = 17;
    d.DoShowScore(17);
    d.AlarmRinging = true;  // rings on through the game
    d.Alarm[0]->show();
    d.ResetScreen->show();
    letGo(ButtonACL);

    EXPECT_EQ(rig.settings.writes,
              (Strings{"Game A High Score=0", "Game B High Score=0", "Alarm Time=120000 PM", "Alarm On=False"}));
    EXPECT_FALSE(d.ResetScreen->visible());
    EXPECT_FALSE(d.GameMode);
    EXPECT_EQ(d.CurrentGame, GameA);
    EXPECT_EQ(d.TimeSetMode, 1);
    EXPECT_EQ(d.AlarmSetMode, AlarmSetOff);
    EXPECT_EQ(d.SetTimeText, "120000 AM");
    EXPECT_EQ(digits(), "1200");
    EXPECT_TRUE(d.am->visible());
    EXPECT_FALSE(d.AlarmRinging);
    EXPECT_FALSE(d.Alarm[0]->visible());
    EXPECT_FALSE(d.BabyDrellok->visible());
    ASSERT_EQ(rig.clock.system.setRequests.size(), 1u);
    EXPECT_EQ(rig.clock.system.setRequests[0], (forms::TimeOfDay{0, 0, 0}));
    // The end step lights the abandoned game's mark, and the second board
    // reset takes that game's pace.
    EXPECT_FALSE(d.ScoreShown);
    EXPECT_EQ(gameMark(), "A");
    EXPECT_EQ(d.Interval(), 220);
    EXPECT_EQ(d.PressedButton, ButtonNone);
}

TEST_F(ButtonRelease, AclFromClockModeEntersTheClockSettingAtTwoHundred) {
    letGo(ButtonACL);
    EXPECT_EQ(d.TimeSetMode, 1);
    EXPECT_EQ(d.Interval(), 200);
    EXPECT_EQ(rig.clock.clock.now(), (forms::TimeOfDay{0, 0, 0}));
}

TEST_F(ButtonRelease, LogoOpensTheAboutBox) {
    d.Logo_MouseMove(0);
    letGo(ButtonLogo);
    EXPECT_EQ(rig.window.calls, Strings{"mAbout_Click"});
    EXPECT_TRUE(released(ButtonLogo));
}

TEST_F(ButtonRelease, MouseReleaseOnAclKeepsTheScreenOfAHeldKey) {
    d.Form_KeyDown(82, 0);  // R
    ASSERT_TRUE(d.ResetScreen->visible());
    d.ButtonMouseDown(ButtonACL, forms::kLeftButton);
    d.ButtonMouseUp(ButtonACL, forms::kLeftButton);
    EXPECT_TRUE(d.ResetScreen->visible());
    EXPECT_TRUE(rig.settings.writes.empty());
}

}  // namespace
