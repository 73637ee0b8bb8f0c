// The program on its very first start: a frameless device window of the
// device's size that shows the time of day, a settings file holding every
// default, and an end when the window manager closes the window.
#include <ctime>
#include <sstream>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

struct LocalTime {
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

LocalTime localNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

std::string describe(const std::map<std::string, std::string>& values) {
    std::ostringstream out;
    for (const auto& [k, v] : values) out << "\n  " << k << "=" << v;
    return out.str();
}

class Foundation : public EndToEnd {};

TEST_F(Foundation, FirstStartShowsTheTimeInAFramelessWindowWithEveryDefaultStored) {
    session.startWindowManager();
    session.startProgram();
    const std::string device = session.waitForWindow("Drellok");
    // The very first start opens the Instructions above every other window.
    const std::string instructions = session.waitForWindow("Drellok Instructions");
    EXPECT_TRUE(waitUntil([&] { return hasWindowState(instructions, "_NET_WM_STATE_ABOVE"); }))
        << windowProperty(instructions, "_NET_WM_STATE");

    const auto geometry = windowGeometry(device);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(geometry->width, 333);
    EXPECT_EQ(geometry->height, 198);
    // The default place puts the device's picture at the screen's top left.
    EXPECT_EQ(geometry->x, 0);
    EXPECT_EQ(geometry->y, 0);
    // The window manager keeps no frame, caption or border around it.
    EXPECT_TRUE(waitUntil([&] { return !windowProperty(device, "_NET_FRAME_EXTENTS").empty(); }));
    EXPECT_EQ(windowProperty(device, "_NET_FRAME_EXTENTS"), "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0");

    const auto& defaults = firstStartSettings();
    EXPECT_TRUE(waitUntil([&] { return session.settings() == defaults; }))
        << "the settings file holds:" << describe(session.settings());

    // The LCD shows the machine's time. A picture is judged against the time
    // read around it; one that straddles a change of second is taken again.
    std::string mismatches;
    const bool showsTime = waitUntil(
        [&] {
            const LocalTime before = localNow();
            const QImage shot = screenshot(device);
            const LocalTime after = localNow();
            if (before.second != after.second) return false;
            mismatches = clockFaceMismatches(shot, before.hour, before.minute, before.second);
            return mismatches.empty();
        },
        kStartTimeout, 150ms);
    EXPECT_TRUE(showsTime) << mismatches;

    session.closeWithWindowManager(device);
    ASSERT_TRUE(session.program().waitForExit()) << "the program went on after its window was closed";
    EXPECT_EQ(session.program().exitStatus(), 0);
}

}  // namespace
