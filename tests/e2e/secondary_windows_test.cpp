// The secondary windows opened from the device window's keys: the Options
// window, and the Instructions viewer turned with the keyboard and closed.
#include <thread>

#include "tests/e2e/harness.h"
#include "tests/e2e/lcd_look.h"

namespace {

using namespace e2e;

class SecondaryWindows : public EndToEnd {
protected:
    std::string start() {
        session.writeSettings();
        session.startWindowManager();
        session.startProgram();
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

}  // namespace
