#include <gtest/gtest.h>

#include "forms/time_text.h"
#include "tests/support/fakes.h"

namespace {

using forms::TimeOfDay;

TEST(TimeText, TwelveHourFormWithItsMark) {
    EXPECT_EQ(forms::timeText({0, 0, 0}), "120000 AM");
    EXPECT_EQ(forms::timeText({12, 0, 0}), "120000 PM");
    EXPECT_EQ(forms::timeText({13, 5, 9}), "010509 PM");
    EXPECT_EQ(forms::timeText({11, 59, 59}), "115959 AM");
    EXPECT_EQ(forms::timeText({23, 59, 59}), "115959 PM");
    EXPECT_EQ(forms::minuteText({0, 30, 45}), "1230 AM");
    EXPECT_EQ(forms::secondsText({9, 3, 7}), "07");
}

TEST(TimeText, ClockTextIsReadStrictly) {
    EXPECT_EQ(forms::parseClockText("12:00:00 AM"), (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(forms::parseClockText("12:30:15 PM"), (TimeOfDay{12, 30, 15}));
    EXPECT_EQ(forms::parseClockText("1:02:03 pm"), (TimeOfDay{13, 2, 3}));
    for (const char* bad : {"", "13:00:00 AM", "00:10:00 AM", "10:60:00 AM", "10:00:60 PM", "10:00:00 XM",
                            "10:00:00 AMX", "10:00:00", " 1:00:00 AM", "1:-1:00 AM", "10-00-00 AM"})
        EXPECT_EQ(forms::parseClockText(bad), std::nullopt) << bad;
}

TEST(TimeText, MidCountsFromOneAndCutsShort) {
    EXPECT_EQ(forms::mid("120000 PM", 1, 2), "12");
    EXPECT_EQ(forms::mid("120000 PM", 5, 5), "00 PM");
    EXPECT_EQ(forms::mid("120000 PM", 8), "PM");
    EXPECT_EQ(forms::mid("120000 PM", 8, 10), "PM");
    EXPECT_EQ(forms::mid("120000 PM", 10), "");
    EXPECT_EQ(forms::mid("120000 PM", 0, 3), "");
}

TEST(TimeText, SecondsWrapAroundTheDay) {
    EXPECT_EQ(TimeOfDay::fromSeconds(86400 + 61), (TimeOfDay{0, 1, 1}));
    EXPECT_EQ(TimeOfDay::fromSeconds(-1), (TimeOfDay{23, 59, 59}));
    EXPECT_EQ((TimeOfDay{23, 59, 59}).toSeconds(), 86399);
}

TEST(DeviceClockTest, SetsTheSystemClockWhenAllowed) {
    fakes::FakeSystemTime system;
    forms::DeviceClock clock(system);
    clock.setTimeOfDay({7, 30, 0});
    EXPECT_EQ(system.time, (TimeOfDay{7, 30, 0}));
    EXPECT_EQ(clock.now(), (TimeOfDay{7, 30, 0}));
    EXPECT_FALSE(clock.refused());
    EXPECT_EQ(clock.offsetSeconds(), 0);
}

TEST(DeviceClockTest, RefusedItKeepsItsOwnOffsetAndAsksNoMore) {
    fakes::FakeSystemTime system;
    system.time = {23, 0, 0};
    system.refuse = true;
    forms::DeviceClock clock(system);
    clock.setTimeOfDay({1, 0, 0});  // two hours on, past midnight
    EXPECT_TRUE(clock.refused());
    EXPECT_EQ(system.time, (TimeOfDay{23, 0, 0}));  // the system's clock is untouched
    EXPECT_EQ(clock.now(), (TimeOfDay{1, 0, 0}));
    system.time = {23, 30, 10};
    EXPECT_EQ(clock.now(), (TimeOfDay{1, 30, 10}));  // and it runs on with the system
    clock.setTimeOfDay({12, 0, 0});
    EXPECT_EQ(system.setRequests.size(), 1u);  // refused once is refused for the run
    EXPECT_EQ(clock.now(), (TimeOfDay{12, 0, 0}));
}

}  // namespace
