// The secondary windows opened from the device window's keys: the Options
// window, and the Instructions viewer turned with the keyboard and closed.
#include <cstdlib>
#include <fstream>
#include <thread>

#include "tests/e2e/harness.h"
#include "tests/e2e/lcd_look.h"

namespace {

using namespace e2e;

class SecondaryWindows : public EndToEnd {
protected:
    std::string start(const std::map<std::string, std::string>& environment = {}) {
        session.writeSettings();
        session.startWindowManager();
        session.startProgram(environment);
        device = session.waitForWindow("Drellok");
        session.focus(device);
        return device;
    }

    std::string device;
};

// Dark pixels of the viewer's top right corner, where the page number stands
// over the page (pages 2 to 9).
int pageNumberInk(const std::string& viewer) {
    const QImage shot = screenshot(viewer);
    int dark = 0;
    for (int y = 2; y < 20 && y < shot.height(); ++y) {
        for (int x = shot.width() - 20; x < shot.width() - 4; ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qAlpha(p) != 0 && qGray(p) < look::kDarkLuminance) ++dark;
        }
    }
    return dark;
}

TEST_F(SecondaryWindows, KeyOOpensTheOptionsWindowOnce) {
    start();
    key("o");
    const std::string options = session.waitForWindow("Drellok Options");
    const size_t windows = session.viewableWindows().size();
    session.focus(device);
    key("o");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(session.viewableWindows().size(), windows) << "a second Options window opened";
    EXPECT_EQ(session.findWindow("Drellok Options"), options);
}

TEST_F(SecondaryWindows, ARightArrowRightAfterOpeningOptionsMovesTheGameBBar) {
    start();
    key("o");
    session.focus(session.waitForWindow("Drellok Options"));
    std::this_thread::sleep_for(300ms);
    key("Right");
    key("Return");  // OK
    EXPECT_TRUE(session.waitForSetting("Game B Speed", "169")) << session.settings()["Game B Speed"];
    EXPECT_EQ(session.settings()["Game A Speed"], "220");
}

TEST_F(SecondaryWindows, F1OpensTheViewerWhosePagesTurnAndEscClosesIt) {
    start();
    key("F1");
    const std::string viewer = session.waitForWindow("Drellok Instructions");
    session.focus(viewer);
    EXPECT_TRUE(waitUntil([&] { return pageNumberInk(viewer) == 0; })) << "page 1 shows a number";

    key("Next");
    EXPECT_TRUE(waitUntil([&] { return pageNumberInk(viewer) > 0; })) << "no page number on page 2";
    key("Home");
    EXPECT_TRUE(waitUntil([&] { return pageNumberInk(viewer) == 0; })) << "Home did not go back to page 1";
    key("End");
    EXPECT_TRUE(waitUntil([&] { return pageNumberInk(viewer) > 0; })) << "no page number on the last page";

    key("Escape");
    EXPECT_TRUE(waitUntil([&] { return !session.findWindow("Drellok Instructions").has_value(); }))
        << "Esc did not close the viewer";
    EXPECT_TRUE(session.processAlive());
    EXPECT_TRUE(session.findWindow("Drellok").has_value());
}

TEST_F(SecondaryWindows, TheAboutBoxsThreeLinksReachTheDesktopsOpener) {
    // A stand-in for the desktop's opener that notes what it is asked to open.
    const auto bin = session.home() / "bin";
    const auto log = session.home() / "opened.log";
    std::filesystem::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" << log.string() << "'\n";
    std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    const char* path = std::getenv("PATH");
    start({{"PATH", bin.string() + ":" + (path ? path : "/usr/bin:/bin")}});

    clickElement(device, "Logo");
    const std::string about = session.waitForWindow("Drellok Simulator");
    // The middle of each link as the box lays them out: the e-mail address,
    // the home page, and the third party's page in the frame below.
    for (const forms::Point p : {forms::Point{121, 40}, forms::Point{122, 55}, forms::Point{120, 113}}) {
        moveMouseTo(about, p);
        click(1);
        std::this_thread::sleep_for(kPastDoubleClick);
    }
    std::vector<std::string> opened;
    EXPECT_TRUE(waitUntil([&] {
        opened.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) opened.push_back(line);
        return opened.size() >= 3;
    })) << opened.size()
        << " links opened";
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:drellok@example.com", "https://www.example.com/drellok/",
                                                "http://www.example.org/handbill"}));
}

}  // namespace
