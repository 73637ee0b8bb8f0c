#include <gtest/gtest.h>

#include <functional>

#include "forms/keys.h"
#include "forms/mouse.h"
#include "tests/support/window_fakes.h"

namespace {

using forms::kLeftButton;

constexpr forms::PointF kOnGameA{285, 27};
constexpr forms::PointF kOnCase{5, 5};
constexpr int16_t kKeyT = forms::vk::KeyA + 19;
constexpr int16_t kKey1 = forms::vk::Key0 + 1;

// Timer1 of a device window idling as a clock, ticked by hand.
class IdleClock : public ::testing::Test {
protected:
    fakes::WindowRig rig;
    window::Form1& form = rig.form;
    forms::MouseRouter mouse{rig.device().scene(), form};

    void SetUp() override {
        rig.fillStore();
        rig.load();
    }
    void at(int h, int m, int s, int ms) {
        rig.clock.set(h, m, s);
        rig.clock.system.millisecond = ms;
    }
};

TEST_F(IdleClock, SleepsUntilJustAfterTheNextSecondOfItsClock) {
    at(10, 20, 30, 400);
    form.Timer1_Timer();
    EXPECT_EQ(rig.timer.sleeping, 602);
    EXPECT_EQ(rig.timer.interval(), 50);  // the pace it comes back to

    at(10, 20, 31, 3);  // the held-back tick
    form.Timer1_Timer();
    EXPECT_EQ(rig.device().LastSecond, 31);
    EXPECT_EQ(rig.timer.sleeping, 999);

    // Woken a little early, it finds the old second and sleeps the rest.
    at(10, 20, 31, 998);
    form.Timer1_Timer();
    EXPECT_EQ(rig.timer.sleeping, 4);

    // The clock the device keeps itself, where the system may not be set,
    // is off by whole seconds: it turns with the system's.
    rig.clock.system.refuse = true;
    rig.clock.clock.setTimeOfDay({7, 0, 0});  // at 10:20:31 of the system
    at(10, 20, 33, 250);
    form.Timer1_Timer();
    EXPECT_EQ(rig.device().LastSecond, 2);
    EXPECT_EQ(rig.timer.sleeping, 752);
}

TEST_F(IdleClock, AMousePressOnAButtonBringsBackTheClockPace) {
    at(10, 20, 30, 0);
    form.Timer1_Timer();
    ASSERT_TRUE(rig.timer.sleeping);

    rig.cursor.pos = {285, 27};
    mouse.press(kOnGameA, kLeftButton, 0);
    EXPECT_FALSE(rig.timer.sleeping);
    EXPECT_EQ(rig.timer.nextTickIn(), 50);
    // Held, the button is followed on every tick.
    form.Timer1_Timer();
    form.Timer1_Timer();
    EXPECT_EQ(rig.timer.nextTickIn(), 50);

    // Slid off and released there, it runs no command: the next tick still
    // comes at the pace, to draw the time again; the one after sleeps.
    rig.cursor.pos = {5, 5};
    form.Timer1_Timer();
    mouse.release(kOnGameA, kLeftButton, 0);
    ASSERT_FALSE(rig.device().GameMode);
    EXPECT_FALSE(rig.timer.sleeping);
    form.Timer1_Timer();
    EXPECT_TRUE(rig.timer.sleeping);
}

TEST_F(IdleClock, EveryEventBringsBackThePace) {
    const std::function<void()> events[] = {
        [&] { form.keyDown(kKeyT, 0); },
        [&] { form.keyUp(kKeyT, 0); },
        [&] { mouse.press(kOnCase, kLeftButton, 0); },
        [&] { mouse.move(kOnCase, 0); },
        [&] { mouse.release(kOnCase, kLeftButton, 0); },
        [&] { mouse.doubleClick(kOnCase, kLeftButton, 0); },  // turned over,
        [&] { mouse.release(kOnCase, kLeftButton, 0); },
        [&] { mouse.doubleClick(kOnCase, kLeftButton, 0); },  // and back: the time is due at once
        [&] { form.trayMessage(0x200); },  // a plain move over the icon
        [&] { form.DoCheckSpeed(); },      // as the Options dialog applies
    };
    int n = 0;
    for (const auto& event : events) {
        SCOPED_TRACE(n++);
        at(10, 20, 30 + n, 500);
        form.Timer1_Timer();
        ASSERT_TRUE(rig.timer.sleeping);
        event();
        EXPECT_FALSE(rig.timer.sleeping);
        EXPECT_EQ(rig.timer.nextTickIn(), 50);
    }
}

TEST_F(IdleClock, AGameKeepsItsPace) {
    at(10, 20, 30, 0);
    form.keyDown(kKey1, 0);
    form.keyUp(kKey1, 0);
    ASSERT_TRUE(rig.device().GameMode);
    for (int i = 0; i < 5; ++i) form.Timer1_Timer();
    EXPECT_FALSE(rig.timer.sleeping);
    EXPECT_EQ(rig.timer.nextTickIn(), 220);
}

}  // namespace
