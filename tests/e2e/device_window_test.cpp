// The device window on a real desktop: its menu, dragging it and its stored
// place, staying on top, hiding into the tray and the end of the program.
#include <thread>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

// A twips value as the settings store holds a window edge.
std::string twips(int pixels, int frame) {
    return std::to_string((pixels - frame) * 15);
}

class DeviceWindow : public EndToEnd {
protected:
    // A settled store (no Instructions window), a window manager and the
    // program showing its device window.
    std::string start(const std::map<std::string, std::string>& settings = {}) {
        session.writeSettings(settings);
        session.startWindowManager();
        session.startProgram();
        return session.waitForWindow("Drellok");
    }

    bool menuOpens() {
        return waitUntil([&] { return !session.openMenus().empty(); });
    }
    bool menuCloses() {
        return waitUntil([&] { return session.openMenus().empty(); });
    }
};

TEST_F(DeviceWindow, RightClickOnTheCaseAndEnterOpenTheMenu) {
    const std::string device = start();
    // A settled store is no first start: no Instructions window.
    EXPECT_FALSE(session.findWindow("Drellok Instructions").has_value());
    // Every right click opens it, also one at the same place after the menu
    // was read for a moment and closed with the keyboard.
    moveMouseTo(device, bareCasePoint());
    for (int i = 0; i < 2; ++i) {
        click(3);
        ASSERT_TRUE(menuOpens()) << "no menu after right click " << i + 1 << " on the case";
        std::this_thread::sleep_for(1s);
        key("Escape");
        ASSERT_TRUE(menuCloses());
    }

    session.focus(device);
    key("Return");
    EXPECT_TRUE(menuOpens()) << "no menu after Enter";
    key("Escape");
    EXPECT_TRUE(menuCloses());
    EXPECT_TRUE(session.processAlive());
}

TEST_F(DeviceWindow, AnItemChosenWithAKeyIsNotUndoneByThatKeysRelease) {
    const std::string device = start();
    // As a person types: the key comes up after the menu has closed.
    auto type = [](const std::string& keysym) {
        keyDown(keysym);
        std::this_thread::sleep_for(300ms);
        keyUp(keysym);
    };
    moveMouseTo(device, bareCasePoint());
    click(3);
    ASSERT_TRUE(menuOpens());
    type("b");  // "&Back"
    EXPECT_TRUE(menuCloses());
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(shownPicture(screenshot(device), "BackCase", {"BackCase"}), "BackCase") << "the back did not stay";

    click(3);
    ASSERT_TRUE(menuOpens());
    type("Down");  // the first item that can be chosen: "&Sound" (no tray, no Hide)
    type("Return");
    EXPECT_TRUE(session.waitForSetting("Sound", "False"));
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(session.openMenus().empty()) << "the release of Enter opened the menu again";
}

TEST_F(DeviceWindow, DragMovesTheWindowByThePointersTravelAndARestartKeepsThePlace) {
    const std::string device = start({{"Left", twips(100, 3)}, {"Top", twips(120, 22)}});
    const auto before = windowGeometry(device);
    ASSERT_TRUE(before.has_value());
    // The stored place is where the device's picture appears.
    EXPECT_EQ(before->x, 100);
    EXPECT_EQ(before->y, 120);

    drag(device, bareCasePoint(), 150, 90);
    EXPECT_TRUE(waitUntil([&] {
        const auto g = windowGeometry(device);
        return g && g->x == before->x + 150 && g->y == before->y + 90;
    })) << "the window is at "
        << windowGeometry(device)->x << "," << windowGeometry(device)->y;
    EXPECT_TRUE(session.waitForSetting("Left", twips(before->x + 150, 3))) << session.settings()["Left"];
    EXPECT_TRUE(session.waitForSetting("Top", twips(before->y + 90, 22))) << session.settings()["Top"];

    session.closeWithWindowManager(device);
    ASSERT_TRUE(session.program().waitForExit());
    session.startProgram();
    const std::string again = session.waitForWindow("Drellok");
    const auto after = windowGeometry(again);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->x, before->x + 150);
    EXPECT_EQ(after->y, before->y + 90);
}

TEST_F(DeviceWindow, AlwaysOnTopFromTheMenuSetsAndClearsTheAboveState) {
    const std::string device = start();
    EXPECT_FALSE(hasWindowState(device, "_NET_WM_STATE_ABOVE"));
    const auto place = windowGeometry(device);
    ASSERT_TRUE(place.has_value());
    session.focus(device);
    for (const bool on : {true, false}) {
        key("Return");
        ASSERT_TRUE(menuOpens());
        key("t");  // "Always on &Top"
        EXPECT_TRUE(waitUntil([&] { return hasWindowState(device, "_NET_WM_STATE_ABOVE") == on; }))
            << "the window manager's state: " << windowProperty(device, "_NET_WM_STATE");
        EXPECT_TRUE(session.waitForSetting("Always on Top", on ? "True" : "False"));
        // Staying on top changes neither the place nor the visibility.
        const auto g = windowGeometry(device);
        ASSERT_TRUE(g.has_value());
        EXPECT_TRUE(g->viewable);
        EXPECT_EQ(g->x, place->x);
        EXPECT_EQ(g->y, place->y);
    }
}

TEST_F(DeviceWindow, DoubleClickOnTheTrayIconHidesAndShowsTheWindow) {
    session.startWindowManager();
    session.startTray();
    const std::string device = start();
    std::optional<std::string> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = session.trayIcon()).has_value(); }, kStartTimeout))
        << "the icon did not dock in the tray";
    const auto g = windowGeometry(*icon);
    ASSERT_TRUE(g.has_value());

    for (const bool shown : {false, true}) {
        moveMouse(g->x + g->width / 2, g->y + g->height / 2);
        doubleClick(1);
        EXPECT_TRUE(waitUntil([&] {
            const auto d = windowGeometry(device);
            return d && d->viewable == shown;
        })) << (shown ? "the window did not come back" : "the window did not hide");
        std::this_thread::sleep_for(kPastDoubleClick);
    }
    EXPECT_TRUE(session.processAlive());
}

TEST_F(DeviceWindow, WithoutATrayHideKeepsTheWindowAndATrayStartedLaterIsUsed) {
    const std::string device = start();
    auto hideFromTheMenu = [&] {
        moveMouseTo(device, bareCasePoint());
        click(3);
        ASSERT_TRUE(menuOpens());
        key("h");  // "&Hide"
        std::this_thread::sleep_for(500ms);
    };
    auto viewable = [&] {
        const auto g = windowGeometry(device);
        return g && g->viewable;
    };

    hideFromTheMenu();
    EXPECT_TRUE(viewable()) << "hidden with no tray to bring it back";
    key("Escape");  // a disabled item leaves the menu open
    ASSERT_TRUE(menuCloses());

    session.startTray();
    ASSERT_TRUE(waitUntil([&] { return session.trayIcon().has_value(); }, kStartTimeout))
        << "the icon did not dock in the tray";
    hideFromTheMenu();
    EXPECT_TRUE(waitUntil([&] { return !viewable(); })) << "Hide did nothing with a tray there";
}

TEST_F(DeviceWindow, ExitFromTheMenuEndsTheProgramWithItsWindows) {
    session.startTray();
    const std::string device = start();
    session.focus(device);
    key("o");  // the Options window, which must close with the program
    session.waitForWindow("Drellok Options");

    moveMouseTo(device, bareCasePoint());
    click(3);
    ASSERT_TRUE(menuOpens());
    key("e");  // "&Exit"
    ASSERT_TRUE(session.program().waitForExit()) << "the program went on after Exit";
    EXPECT_EQ(session.program().exitStatus(), 0);
}

}  // namespace
