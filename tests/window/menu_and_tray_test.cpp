#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/window_fakes.h"

namespace {

using Strings = std::vector<std::string>;

constexpr int32_t kTrayMove = 0x200;
constexpr int32_t kTrayLeftDown = 0x201;
constexpr int32_t kTrayLeftUp = 0x202;
constexpr int32_t kTrayLeftDoubleClick = 0x203;
constexpr int32_t kTrayRightDown = 0x204;
constexpr int32_t kTrayRightUp = 0x205;

class MenuAndTray : public ::testing::Test {
protected:
    fakes::WindowRig rig;
    window::Form1& form = rig.form;
    engine::DeviceEngine& d = rig.device();

    void SetUp() override {
        rig.fillStore();
        rig.load();
    }
};

TEST_F(MenuAndTray, MenuHoldsTheItemsInOrderWithTheirCaptions) {
    Strings items;
    for (const auto& item : form.mPopupMenu.items()) items.push_back(item->name + " " + item->caption);
    EXPECT_EQ(items, (Strings{"mHide &Hide", "mSound &Sound", "mAutoShow A&uto Show", "mAlwaysOnTop Always on &Top",
                              "mBack &Back", "mSep0 -", "mOptions &Options...", "mInstructions &Instructions...",
                              "mAbout &About...", "mSep1 -", "mExit &Exit"}));
    EXPECT_TRUE(form.mSep0.isSeparator());
    EXPECT_EQ(form.mOptions.kind, forms::MenuItem::Kind::Command);
    EXPECT_EQ(form.mBack.kind, forms::MenuItem::Kind::Check);
    EXPECT_EQ(form.mPopupMenu.caption(), "PopupMenu");
}

TEST_F(MenuAndTray, TheMenuShowsTheLiveMarks) {
    form.mSound_Click();  // off
    form.popupMenu();
    EXPECT_EQ(rig.menus.checkedAtOpen.back(), (Strings{"mAutoShow"}));
}

TEST_F(MenuAndTray, SwitchesToggleAndAreSavedAsTrueAndFalse) {
    form.mSound_Click();
    form.mAutoShow_Click();
    form.mAlwaysOnTop_Click();
    EXPECT_FALSE(form.mSound.checked);
    EXPECT_FALSE(form.mAutoShow.checked);
    EXPECT_TRUE(form.mAlwaysOnTop.checked);
    EXPECT_TRUE(rig.host.stayOnTop);
    form.mSound_Click();
    form.mAutoShow_Click();
    form.mAlwaysOnTop_Click();
    EXPECT_FALSE(rig.host.stayOnTop);
    EXPECT_EQ(rig.settings.writes, (Strings{"Sound=False", "Auto Show=False", "Always on Top=True", "Sound=True",
                                            "Auto Show=True", "Always on Top=False"}));
    // Stay-on-top changes the z-order and nothing else.
    EXPECT_EQ(rig.host.calls, (Strings{"topmost", "notTopmost"}));
    EXPECT_TRUE(rig.host.visible);
}

TEST_F(MenuAndTray, HideAndShowFollowTheMarkWhileTheDeviceRunsOn) {
    rig.menus.choices = {"mHide"};
    form.popupMenu();
    EXPECT_TRUE(form.mHide.checked);
    EXPECT_FALSE(rig.host.visible);
    EXPECT_TRUE(rig.tray.shown);
    rig.clock.set(10, 20, 30);
    form.Timer1_Timer();  // still a clock while hidden
    EXPECT_TRUE(d.HourDigit[1]->visible());

    form.trayMessage(kTrayLeftDoubleClick);
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_TRUE(rig.host.visible);
    form.trayMessage(kTrayLeftDoubleClick);
    EXPECT_TRUE(form.mHide.checked);
    EXPECT_FALSE(rig.host.visible);
    EXPECT_EQ(form.Msg, kTrayLeftDoubleClick);
}

TEST_F(MenuAndTray, WithoutATrayHideKeepsTheWindowShownAndATrayThatComesIsUsedAtOnce) {
    rig.tray.trayAvailable = false;
    rig.menus.choices = {"mHide"};
    form.popupMenu();
    EXPECT_EQ(rig.menus.disabledAtOpen.back(), (Strings{"mHide"}));
    form.mHide_Click();
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_TRUE(rig.host.visible);
    EXPECT_EQ(rig.host.calls, Strings{});

    rig.tray.trayAvailable = true;
    rig.menus.choices = {"mHide"};
    form.popupMenu();
    EXPECT_EQ(rig.menus.disabledAtOpen.back(), Strings{});
    EXPECT_TRUE(form.mHide.checked);
    EXPECT_FALSE(rig.host.visible);

    // Showing needs no tray: the alarm still brings the hidden window back
    // when the tray has gone meanwhile.
    rig.tray.trayAvailable = false;
    rig.clock.set(6, 29, 59);
    form.Timer1_Timer();
    rig.clock.set(6, 30, 0);  // the stored alarm time
    form.Timer1_Timer();
    EXPECT_TRUE(d.AlarmRinging);
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_TRUE(rig.host.visible);
}

TEST_F(MenuAndTray, AWindowMinimisedByTheWindowSystemCountsAsHiddenAndComesBackAtOnce) {
    form.windowMinimised(true);
    EXPECT_TRUE(form.mHide.checked);
    form.trayMessage(kTrayLeftDoubleClick);
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_EQ(rig.host.calls, (Strings{"show"}));
    form.windowMinimised(true);
    form.windowMinimised(false);  // restored from the taskbar
    EXPECT_FALSE(form.mHide.checked);
    // Minimised without a tray, the alarm's Auto Show still brings it back.
    rig.tray.trayAvailable = false;
    form.windowMinimised(true);
    rig.clock.set(6, 29, 59);
    form.Timer1_Timer();
    rig.clock.set(6, 30, 0);  // the stored alarm time
    form.Timer1_Timer();
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_EQ(rig.host.calls, (Strings{"show", "show"}));
}

TEST_F(MenuAndTray, OnlyARightReleaseOnTheTrayOpensTheMenu) {
    for (int32_t m : {kTrayMove, kTrayLeftDown, kTrayLeftUp, kTrayRightDown, 0, -1, 0x7fffffff}) form.trayMessage(m);
    EXPECT_EQ(rig.menus.opened, 0);
    EXPECT_FALSE(form.mHide.checked);
    form.trayMessage(kTrayRightUp);
    EXPECT_EQ(rig.menus.opened, 1);
    EXPECT_FALSE(form.Busy);
}

TEST_F(MenuAndTray, TrayMessageIsRecoveredFromTwipsHalfToEven) {
    form.Form_MouseMove(0, 0, 517 * 15 + 7.5f, 0);  // 517.5 pixels: even is 518
    EXPECT_EQ(form.Msg, 518);
    EXPECT_EQ(rig.menus.opened, 0);
    form.Form_MouseMove(0, 0, 515 * 15 + 7.4f, 0);
    EXPECT_EQ(form.Msg, 515);
    EXPECT_TRUE(form.mHide.checked);
    form.Form_MouseMove(0, 0, 3.0e38f, 0);  // far outside a Long: held at its limit
    EXPECT_EQ(form.Msg, 2147483647);
}

TEST_F(MenuAndTray, TrayMessagesWhileItsMenuIsOpenAreDropped) {
    int nested = 0;
    rig.menus.whileOpen = [&] {
        if (nested++ > 0) return;  // the outer menu only
        EXPECT_TRUE(form.Busy);
        form.trayMessage(kTrayLeftDoubleClick);
        form.trayMessage(kTrayRightUp);
    };
    form.trayMessage(kTrayRightUp);
    EXPECT_EQ(rig.menus.opened, 1);
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_EQ(form.Msg, kTrayRightUp);  // the last message is still recorded
    EXPECT_FALSE(form.Busy);
    // Once the menu has closed they work again.
    form.trayMessage(kTrayLeftDoubleClick);
    EXPECT_TRUE(form.mHide.checked);
    form.trayMessage(kTrayRightUp);
    EXPECT_EQ(rig.menus.opened, 2);
}

TEST_F(MenuAndTray, MenuOpenedFromThePictureDoesNotBlockTheTray) {
    rig.menus.whileOpen = [&] {
        if (rig.menus.opened == 1) form.trayMessage(kTrayLeftDoubleClick);
    };
    form.popupMenu();
    EXPECT_TRUE(form.mHide.checked);
}

TEST_F(MenuAndTray, BackTurnsTheDeviceOverAndBack) {
    rig.menus.choices = {"mBack"};
    form.popupMenu();
    EXPECT_TRUE(d.BackCase->visible());
    EXPECT_TRUE(form.mBack.checked);
    rig.clock.set(10, 20, 30);
    form.Timer1_Timer();  // the turned-over device stands still
    EXPECT_FALSE(d.HourDigit[1]->visible());
    form.mBack_Click();
    EXPECT_FALSE(d.BackCase->visible());
    EXPECT_FALSE(form.mBack.checked);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(MenuAndTray, WindowCommandsOpenTheirWindows) {
    rig.menus.choices = {"mOptions", "mInstructions", "mAbout", "mOptions", "mSep0", ""};
    for (int i = 0; i < 6; ++i) form.popupMenu();
    // Opening one again is the secondary windows' business: they show the same one.
    EXPECT_EQ(rig.secondary.calls, (Strings{"showOptions", "showInstructions", "showAbout", "showOptions"}));
    EXPECT_FALSE(rig.host.quitted);
}

TEST_F(MenuAndTray, ExitFromTheTrayMenuEndsTheProgram) {
    form.mHide_Click();
    rig.menus.choices = {"mExit"};
    form.trayMessage(kTrayRightUp);
    EXPECT_TRUE(rig.host.quitted);
    EXPECT_FALSE(rig.tray.shown);
    EXPECT_EQ(rig.timer.interval(), 0);
    EXPECT_EQ(rig.secondary.calls, (Strings{"closeAll"}));
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(MenuAndTray, ChoiceAfterTheProgramEndedInsideTheMenuIsNotRun) {
    rig.menus.whileOpen = [&] { form.Form_Unload(); };
    rig.menus.choices = {"mHide"};
    form.popupMenu();
    EXPECT_FALSE(form.mHide.checked);
    EXPECT_EQ(rig.host.calls, (Strings{"quit"}));
}

TEST_F(MenuAndTray, DeviceKeysReachTheWindowCommands) {
    form.keyUp(forms::vk::KeyA + ('B' - 'A'), 0);
    EXPECT_TRUE(d.BackCase->visible());
    form.keyUp(forms::vk::Return, 0);
    EXPECT_EQ(rig.menus.opened, 1);
    form.keyUp(forms::vk::F1, 0);
    EXPECT_EQ(rig.secondary.calls, (Strings{"showInstructions"}));
}

TEST_F(MenuAndTray, SecondaryWindowsReachTheMarksAndTheZOrder) {
    dialogs::DeviceLink& link = form;
    link.setSoundChecked(false);
    link.setAutoShowChecked(false);
    link.setAlwaysOnTopChecked(true);
    EXPECT_FALSE(form.mSound.checked);
    EXPECT_FALSE(form.mAutoShow.checked);
    EXPECT_TRUE(link.alwaysOnTopChecked());
    EXPECT_FALSE(rig.host.stayOnTop);  // a mark alone moves no window
    link.setDeviceTopmost(true);
    EXPECT_TRUE(rig.host.stayOnTop);
    EXPECT_TRUE(rig.settings.writes.empty());  // the dialog saves for itself
    EXPECT_EQ(&link.settings(), &rig.settings);
    EXPECT_EQ(&link.shell(), &rig.shell);
}

}  // namespace
