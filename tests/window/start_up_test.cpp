#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/support/window_fakes.h"

namespace {

using Strings = std::vector<std::string>;
using Store = std::map<std::string, std::string>;

class StartUp : public ::testing::Test {
protected:
    fakes::WindowRig rig;
    window::Form1& form = rig.form;

    void load() { form.Form_Load(); }
    bool wrote(const std::string& key) const {
        return std::any_of(rig.settings.writes.begin(), rig.settings.writes.end(),
                           [&](const std::string& w) { return w.rfind(key + "=", 0) == 0; });
    }
};

TEST_F(StartUp, FirstStartWritesEveryDefaultAndOpensTheInstructionsOnTop) {
    rig.clock.set(9, 41, 37);
    load();
    EXPECT_EQ(rig.settings.values, (Store{{"Sound", "True"},
                                          {"Left", "-45"},
                                          {"Top", "-330"},
                                          {"Diver Speed", "300"},
                                          {"Game A Speed", "220"},
                                          {"Game B Speed", "170"},
                                          {"Game A High Score", "0"},
                                          {"Game B High Score", "0"},
                                          {"Alarm Time", "120000 PM"},
                                          {"Alarm On", "False"},
                                          {"Always on Top", "False"},
                                          {"Auto Show", "True"}}));
    // The order of the writes is the order of the steps.
    EXPECT_EQ(rig.settings.writes,
              (Strings{"Sound=True", "Left=-45", "Top=-330", "Diver Speed=300", "Game A Speed=220", "Game B Speed=170",
                       "Game A High Score=0", "Game B High Score=0", "Alarm Time=120000 PM", "Alarm On=False",
                       "Always on Top=False", "Auto Show=True"}));
    // The client area sits at the screen's corner.
    EXPECT_EQ(rig.host.clientX, 0);
    EXPECT_EQ(rig.host.clientY, 0);
    EXPECT_EQ(rig.secondary.calls, (Strings{"showInstructions", "makeInstructionsTopmost"}));
    EXPECT_TRUE(form.mSound.checked);
    EXPECT_TRUE(form.mAutoShow.checked);
    EXPECT_FALSE(form.mAlwaysOnTop.checked);
    EXPECT_FALSE(rig.host.stayOnTop);
    EXPECT_EQ(rig.random.seeds, (std::vector<int32_t>{37}));
}

TEST_F(StartUp, StepsRunInOrderAndEndWithTheTrayIcon) {
    load();
    EXPECT_EQ(rig.host.calls, (Strings{"setRegion", "setLeft", "setTop", "notTopmost"}));
    EXPECT_EQ(rig.host.region, (forms::Rect{3, 22, 333, 198}));
    EXPECT_EQ(rig.tray.calls, (Strings{"add"}));
    EXPECT_EQ(rig.tray.tip, "Drellok");
    // Start-up shows nothing itself and leaves Timer1 at its 50 ms.
    EXPECT_FALSE(rig.host.visible);
    EXPECT_EQ(rig.timer.interval(), 50);
}

TEST_F(StartUp, DeviceGetsItsStartValuesAndNormalLooks) {
    engine::DeviceEngine& d = rig.device();
    d.PressedButton = engine::ButtonGameB;
    d.IdleCountdown = 3;
    d.Score = 55;
    load();
    EXPECT_EQ(d.PressedButton, engine::ButtonNone);
    EXPECT_EQ(d.IdleCountdown, 10);
    EXPECT_EQ(d.Score, 0);
    EXPECT_EQ(d.BackCase->rect(), d.FrontCase->rect());
    EXPECT_FALSE(d.BackCase->visible());
    EXPECT_TRUE(d.GameAButton->holds(d.Button0[0]->picture()));
    EXPECT_TRUE(d.LeftButton->holds(d.Button1[0]->picture()));
    EXPECT_TRUE(d.ACLButton->holds(d.Button2[0]->picture()));
    EXPECT_TRUE(d.Logo->holds(d.VistrelLogo[0]->picture()));
    EXPECT_FALSE(d.Dragging);
}

TEST_F(StartUp, FullStoreWritesNothingAndOpensNothing) {
    rig.fillStore();
    rig.settings.values["Sound"] = "False";
    rig.settings.values["Always on Top"] = "True";
    rig.settings.values["Auto Show"] = "False";
    const Store before = rig.settings.values;
    load();
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_EQ(rig.settings.values, before);
    EXPECT_TRUE(rig.secondary.calls.empty());
    EXPECT_FALSE(form.mSound.checked);
    EXPECT_FALSE(form.mAutoShow.checked);
    EXPECT_TRUE(form.mAlwaysOnTop.checked);
    EXPECT_TRUE(rig.host.stayOnTop);
    // "Left" 1500 and "Top" 3000 twips: 100 and 200 pixels from the framed
    // window's corner, so the client area is 3 and 22 pixels further on.
    EXPECT_EQ(rig.host.clientX, 103);
    EXPECT_EQ(rig.host.clientY, 222);
    EXPECT_FLOAT_EQ(rig.host.left(), 1500);
    EXPECT_FLOAT_EQ(rig.host.top(), 3000);
    EXPECT_TRUE(rig.tray.shown);
}

TEST_F(StartUp, MarksFollowTheOppositeValues) {
    rig.fillStore();
    rig.settings.values["Sound"] = "True";
    rig.settings.values["Always on Top"] = "False";
    rig.settings.values["Auto Show"] = "True";
    load();
    EXPECT_TRUE(form.mSound.checked);
    EXPECT_TRUE(form.mAutoShow.checked);
    EXPECT_FALSE(form.mAlwaysOnTop.checked);
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_FALSE(form.mBack.checked);
    EXPECT_FALSE(rig.host.stayOnTop);
}

TEST_F(StartUp, SecondsIsDeletedWhateverItHolds) {
    for (const std::string v : {"17", "", "NotFound"}) {
        fakes::WindowRig r;
        r.fillStore();
        r.settings.values["Seconds"] = v;
        r.form.Form_Load();
        EXPECT_EQ(r.settings.values.count("Seconds"), 0u) << v;
        EXPECT_EQ(r.settings.writes, (Strings{"-Seconds"})) << v;
    }
    rig.fillStore();
    load();
    EXPECT_TRUE(rig.settings.writes.empty());  // no key, no removal
}

TEST_F(StartUp, AlarmOnIsWrittenOnlyWithTheAlarmTime) {
    rig.fillStore();
    rig.settings.values.erase("Alarm On");
    load();
    EXPECT_EQ(rig.settings.values.count("Alarm On"), 0u);
    EXPECT_TRUE(rig.settings.writes.empty());

    // A missing alarm time brings the switch back to off with it.
    fakes::WindowRig r;
    r.fillStore();
    r.settings.values.erase("Alarm Time");
    r.form.Form_Load();
    EXPECT_EQ(r.settings.writes, (Strings{"Alarm Time=120000 PM", "Alarm On=False"}));
}

TEST_F(StartUp, NotFoundCountsAsMissing) {
    rig.fillStore();
    for (const char* key : {"Sound", "Game B Speed", "Alarm Time", "Always on Top", "Auto Show", "Alarm On"})
        rig.settings.values[key] = "NotFound";
    load();
    EXPECT_EQ(rig.settings.values["Sound"], "True");
    EXPECT_EQ(rig.settings.values["Game B Speed"], "170");
    EXPECT_EQ(rig.settings.values["Alarm Time"], "120000 PM");
    EXPECT_EQ(rig.settings.values["Alarm On"], "False");  // rewritten with the alarm time
    EXPECT_EQ(rig.settings.values["Always on Top"], "False");
    EXPECT_EQ(rig.settings.values["Auto Show"], "True");
    EXPECT_EQ(rig.secondary.calls, (Strings{"showInstructions", "makeInstructionsTopmost"}));
}

TEST_F(StartUp, AlarmOnNotFoundAloneIsLeftAsItIs) {
    rig.fillStore();
    rig.settings.values["Alarm On"] = "NotFound";
    load();
    EXPECT_EQ(rig.settings.values["Alarm On"], "NotFound");
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(StartUp, UnconvertibleValuesReadAsDefaultsAndStayStored) {
    rig.fillStore();
    rig.settings.values["Left"] = "abc";
    rig.settings.values["Top"] = "1e40";  // beyond a Single
    rig.settings.values["Sound"] = "maybe";
    rig.settings.values["Always on Top"] = "";
    rig.settings.values["Auto Show"] = "yes please";
    load();
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_EQ(rig.settings.values["Left"], "abc");
    EXPECT_FLOAT_EQ(rig.host.left(), -45);  // the first start's place
    EXPECT_FLOAT_EQ(rig.host.top(), -330);
    EXPECT_TRUE(form.mSound.checked);
    EXPECT_FALSE(form.mAlwaysOnTop.checked);
    EXPECT_TRUE(form.mAutoShow.checked);
    EXPECT_TRUE(rig.secondary.calls.empty());  // not a first start
}

TEST_F(StartUp, BooleansReadLikeTheDesignReadsThem) {
    rig.fillStore();
    rig.settings.values["Sound"] = "false";
    rig.settings.values["Always on Top"] = "-1";
    rig.settings.values["Auto Show"] = " FALSE ";
    load();
    EXPECT_FALSE(form.mSound.checked);
    EXPECT_TRUE(form.mAlwaysOnTop.checked);
    EXPECT_FALSE(form.mAutoShow.checked);
}

TEST_F(StartUp, OffScreenPositionsAreKept) {
    rig.fillStore();
    rig.settings.values["Left"] = "-60000";
    rig.settings.values["Top"] = "45000.5";
    load();
    EXPECT_EQ(rig.host.clientX, -4000 + 3);
    EXPECT_EQ(rig.host.clientY, 3000 + 22);
    EXPECT_FLOAT_EQ(rig.host.left(), -60000);
    EXPECT_FLOAT_EQ(rig.host.top(), 45000);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(StartUp, AlwaysOnTopStoredTrueStillLeavesTheFirstInstructionsTopmost) {
    rig.settings.values["Always on Top"] = "True";
    load();
    EXPECT_TRUE(rig.host.stayOnTop);
    EXPECT_EQ(rig.secondary.calls, (Strings{"showInstructions", "makeInstructionsTopmost"}));
}

TEST_F(StartUp, WithoutSecondaryWindowsTheFirstStartStillCompletes) {
    form.setSecondaryWindows(nullptr);
    load();
    EXPECT_EQ(rig.settings.values["Auto Show"], "True");
    EXPECT_TRUE(rig.tray.shown);
}

class Shutdown : public StartUp {
protected:
    void SetUp() override {
        rig.fillStore();
        rig.load();
    }
};

TEST_F(Shutdown, UnloadRemovesTheTrayStopsTheTimerClosesEverythingAndSavesNothing) {
    rig.timer.setInterval(220);
    form.Form_Unload();
    EXPECT_EQ(rig.tray.calls, (Strings{"add", "remove"}));
    EXPECT_EQ(rig.timer.interval(), 0);
    EXPECT_EQ(rig.secondary.calls, (Strings{"closeAll"}));
    EXPECT_TRUE(rig.host.quitted);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(Shutdown, UnloadWhileHiddenStillRemovesTheTrayIcon) {
    form.mHide_Click();
    ASSERT_FALSE(rig.host.visible);
    form.mExit_Click();
    EXPECT_FALSE(rig.tray.shown);
    EXPECT_TRUE(rig.host.quitted);
}

TEST_F(Shutdown, NothingRunsAfterTheEnd) {
    form.Form_Unload();
    // The close that ending the program causes unloads nothing twice.
    form.Form_Unload();
    EXPECT_EQ(rig.tray.calls, (Strings{"add", "remove"}));
    EXPECT_EQ(rig.secondary.calls, (Strings{"closeAll"}));

    rig.clock.set(10, 20, 30);
    form.Timer1_Timer();
    EXPECT_FALSE(rig.device().HourDigit[1]->visible());
    form.keyUp(forms::vk::KeyA + ('B' - 'A'), 0);
    EXPECT_FALSE(rig.device().BackCase->visible());
    form.trayMessage(0x205);
    form.popupMenu();
    EXPECT_EQ(rig.menus.opened, 0);
    form.DoCheckSpeed();
    EXPECT_EQ(rig.timer.interval(), 0);
}

}  // namespace
