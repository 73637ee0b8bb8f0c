// The device's buttons worked for real: keys and clicks on the pictured
// buttons, each judged by what the LCD then shows.
#include <chrono>
#include <ctime>
#include <thread>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

class DeviceButtons : public EndToEnd {
protected:
    // A settled store with the given changes, a window manager, and the
    // device window with the keyboard.
    std::string start(const std::map<std::string, std::string>& settings = {}) {
        session.writeSettings(settings);
        session.startWindowManager();
        session.startProgram();
        device = session.waitForWindow("Drellok");
        session.focus(device);
        return device;
    }

    // Polls the screen until check() finds nothing wrong with it; the last
    // complaint is kept in why.
    bool shows(const std::function<std::string(const QImage&)>& check) {
        return waitUntil(
            [&] {
                why = check(screenshot(device));
                return why.empty();
            },
            kStepTimeout, 100ms);
    }

    bool showsLit(const std::map<std::string, bool>& expected) {
        return shows([&](const QImage& shot) { return litMismatches(shot, expected); });
    }

    // The diver stands at place `place` (0 the boat), and on no other place.
    bool diverAt(int place) {
        return shows([&](const QImage& shot) {
            std::string out;
            for (int p = 0; p <= 5; ++p) {
                std::vector<std::string> frames;
                if (p == 0) {
                    frames = {"OnTheBoat(0)", "OnTheBoat(1)"};
                } else {
                    for (int f = 0; f < 4; ++f) frames.push_back("Diver(" + std::to_string((p - 1) * 4 + f) + ")");
                }
                const bool there = !shownPicture(shot, "DiverStep(" + std::to_string(p) + ")", frames).empty();
                if (there != (p == place))
                    out += "DiverStep(" + std::to_string(p) + (there ? ") shown; " : ") hidden; ");
            }
            return out;
        });
    }

    // A started game: its mark, the score 0 and the diver on the boat.
    void expectGameOn(int game) {
        const std::string mark = "GameType(" + std::to_string(game - 1) + ")";
        const std::string other = "GameType(" + std::to_string(2 - game) + ")";
        EXPECT_TRUE(showsLit({{mark, true}, {other, false}})) << why;
        EXPECT_TRUE(shows([](const QImage& shot) { return scoreMismatches(shot, 0); })) << why;
        EXPECT_TRUE(diverAt(0)) << why;
    }

    // Still there after the clock would have come back: the game goes on.
    void expectGameGoesOn(int game) {
        std::this_thread::sleep_for(1500ms);
        const QImage later = screenshot(device);
        EXPECT_EQ(scoreMismatches(later, 0), "") << "the game did not go on";
        EXPECT_EQ(litMismatches(later, {{"GameType(" + std::to_string(game - 1) + ")", true}}), "");
    }

    // Holds the left button down over an element.
    void press(const std::string& label) {
        const forms::Point p = elementCentre(device, label);
        moveMouse(p.x, p.y);
        mouseDown(1);
    }

    // What the held button's image shows among its store's two looks.
    std::string buttonLook(const std::string& button, const std::string& store) {
        return shownPicture(screenshot(device), button, {store + "(0)", store + "(1)"});
    }

    std::string device;
    std::string why;
};

// The offset between the machine's clock and a steady clock: it changes only
// when someone sets the machine's clock.
double clockOffsetSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count() -
           duration<double>(steady_clock::now().time_since_epoch()).count();
}

TEST_F(DeviceButtons, KeyOneShowsTheBestScoreWhileHeldAndStartsGameAOnRelease) {
    start({{"Game A High Score", "57"}, {"Game A Speed", "441"}});
    keyDown("1");
    EXPECT_TRUE(shows([](const QImage& shot) { return scoreMismatches(shot, 57); })) << why;
    EXPECT_TRUE(showsLit({{"GameType(0)", true}, {"GameType(1)", false}})) << why;
    keyUp("1");
    expectGameOn(1);
    expectGameGoesOn(1);
}

TEST_F(DeviceButtons, ArrowsMoveTheDiverAlongThePath) {
    // The slowest pace keeps the tentacles far from the path meanwhile.
    start({{"Game A Speed", "441"}});
    key("1");
    ASSERT_TRUE(diverAt(0)) << why;
    key("Right");
    EXPECT_TRUE(diverAt(1)) << why;
    key("Down");
    EXPECT_TRUE(diverAt(2)) << why;
    key("Left");
    EXPECT_TRUE(diverAt(1)) << why;
    // Empty-handed he does not board again.
    key("Up");
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(diverAt(1)) << why;
}

TEST_F(DeviceButtons, AclThenTimeSetTheClockWhichTheDeviceKeepsAsItsOwn) {
    const double machineClock = clockOffsetSeconds();
    start(
        {{"Game A High Score", "57"}, {"Game B High Score", "12"}, {"Alarm On", "True"}, {"Alarm Time", "063000 AM"}});

    keyDown("r");
    EXPECT_TRUE(showsLit({{"ResetScreen", true}})) << why;
    keyUp("r");
    // The all clear: midnight in the clock-setting mode, the best scores and
    // the alarm back to their defaults.
    EXPECT_TRUE(shows([](const QImage& shot) { return clockFaceMismatches(shot, 0, 0, 0); })) << why;
    EXPECT_TRUE(session.waitForSetting("Game A High Score", "0"));
    EXPECT_TRUE(session.waitForSetting("Game B High Score", "0"));
    EXPECT_TRUE(session.waitForSetting("Alarm Time", "120000 PM"));
    EXPECT_TRUE(session.waitForSetting("Alarm On", "False"));

    // One o'clock on the other half of the day from the machine's time, so
    // that the device's time cannot be mistaken for it.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int target = local.tm_hour < 12 ? 13 : 1;
    for (int hour = 0; hour < target; ++hour) key("Left");
    EXPECT_TRUE(shows([&](const QImage& shot) { return clockFaceMismatches(shot, target, 0); })) << why;

    key("t");
    // The program may not set the machine's clock: the device keeps the time
    // it was given as its own, and keeps running from it.
    EXPECT_TRUE(shows([&](const QImage& shot) { return clockFaceMismatches(shot, target, 0); })) << why;
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(clockFaceMismatches(screenshot(device), target, 0), "") << "the device went back to the machine's time";
    EXPECT_NEAR(clockOffsetSeconds(), machineClock, 2.0) << "the machine's clock was changed";
}

TEST_F(DeviceButtons, ClicksOnThePicturedButtons) {
    start({{"Game B Speed", "441"}});

    // TIME held in clock mode shows the alarm time with the baby Drellok.
    press("TimeButton");
    EXPECT_TRUE(shows([&](const QImage& shot) {
        return clockFaceMismatches(shot, 12, 0) + litMismatches(shot, {{"BabyDrellok", true}});
    })) << why;
    EXPECT_EQ(buttonLook("TimeButton", "Button0"), "Button0(1)");
    mouseUp(1);
    EXPECT_TRUE(showsLit({{"BabyDrellok", false}})) << why;
    EXPECT_NE(buttonLook("TimeButton", "Button0"), "Button0(1)");

    // GAME B on its release.
    clickElement(device, "GameBButton");
    expectGameOn(2);

    // RIGHT and LEFT move the diver on their release, soon after the start,
    // while no tentacle can have reached his path yet. A quick second click
    // would be a double-click, which the device sees as no press at all.
    clickElement(device, "RightButton");
    EXPECT_TRUE(diverAt(1)) << why;
    std::this_thread::sleep_for(kPastDoubleClick);
    clickElement(device, "RightButton");
    EXPECT_TRUE(diverAt(2)) << why;
    clickElement(device, "LeftButton");
    EXPECT_TRUE(diverAt(1)) << why;

    // ACL held lights the whole LCD; its release clears to midnight.
    press("ACLButton");
    EXPECT_TRUE(showsLit({{"ResetScreen", true}})) << why;
    EXPECT_EQ(buttonLook("ACLButton", "Button2"), "Button2(1)");
    mouseUp(1);
    EXPECT_TRUE(shows([](const QImage& shot) { return clockFaceMismatches(shot, 0, 0); })) << why;
}

}  // namespace
