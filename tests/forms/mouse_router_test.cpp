#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/mouse.h"

namespace {

using forms::kLeftButton;
using forms::kMiddleButton;
using forms::kRightButton;
using forms::PointF;
using Strings = std::vector<std::string>;

class Log : public forms::MouseHandler {
public:
    void mouseDown(forms::PictureElement& e, const forms::MouseArgs& a) override { add("down", e, a); }
    void mouseMove(forms::PictureElement& e, const forms::MouseArgs& a) override { add("move", e, a); }
    void mouseUp(forms::PictureElement& e, const forms::MouseArgs& a) override { add("up", e, a); }
    void dblClick(forms::PictureElement& e) override { events.push_back("dbl " + e.label()); }
    Strings events;

private:
    void add(const char* what, const forms::PictureElement& e, const forms::MouseArgs& a) {
        events.push_back(std::string(what) + " " + e.label() + " " + std::to_string(a.button) + " " +
                         std::to_string(a.shift) + " " + std::to_string(a.x) + " " + std::to_string(a.y));
    }
};

class MouseRouterTest : public ::testing::Test {
protected:
    forms::Scene scene{100, 50};
    forms::PictureElement& dot = add("Dot", {10, 10, 10, 10}, forms::MouseRole::Segment);
    forms::PictureElement& body = add("Body", {0, 0, 60, 50}, forms::MouseRole::Case);
    Log log;
    forms::MouseRouter router{scene, log};

    forms::PictureElement& add(const char* name, forms::Rect r, forms::MouseRole role) {
        forms::PictureElement& e = scene.addBelow(name, -1, r);
        e.setRole(role);
        e.show();
        return e;
    }
};

TEST_F(MouseRouterTest, PositionsAreTwipsFromThePicturesCorner) {
    router.move(PointF{12.5, 11}, forms::kShiftMask);
    EXPECT_EQ(log.events, (Strings{"move Dot 0 1 37.500000 15.000000"}));
}

TEST_F(MouseRouterTest, ThePressedPictureGetsEverythingUntilAllButtonsAreUp) {
    router.press(PointF{11, 11}, kLeftButton, 0);
    router.move(PointF{50, 40}, 0);                  // off the dot, over the body
    router.press(PointF{50, 40}, kRightButton, 0);   // still the dot's
    router.move(PointF{80, 40}, 0);                  // outside everything
    router.release(PointF{80, 40}, kLeftButton, 0);  // right still held
    router.move(PointF{50, 40}, 0);
    router.release(PointF{50, 40}, kRightButton, 0);
    router.move(PointF{50, 40}, 0);  // free again: the body's
    EXPECT_EQ(log.events, (Strings{"down Dot 1 0 15.000000 15.000000", "move Dot 1 0 600.000000 450.000000",
                                   "down Dot 2 0 600.000000 450.000000", "move Dot 3 0 1050.000000 450.000000",
                                   "up Dot 1 0 1050.000000 450.000000", "move Dot 2 0 600.000000 450.000000",
                                   "up Dot 2 0 600.000000 450.000000", "move Body 0 0 750.000000 600.000000"}));
    EXPECT_EQ(router.captured(), nullptr);
    EXPECT_EQ(router.buttonsHeld(), 0);
}

TEST_F(MouseRouterTest, DoubleClickIsPressReleaseDoubleClickRelease) {
    router.press(PointF{11, 11}, kLeftButton, 0);
    router.release(PointF{11, 11}, kLeftButton, 0);
    router.doubleClick(PointF{11, 11}, kLeftButton, 0);
    router.release(PointF{11, 11}, kLeftButton, 0);
    EXPECT_EQ(log.events, (Strings{"down Dot 1 0 15.000000 15.000000", "up Dot 1 0 15.000000 15.000000", "dbl Dot",
                                   "up Dot 1 0 15.000000 15.000000"}));
}

TEST_F(MouseRouterTest, DoubleClickOfAnotherButtonIsAPress) {
    router.doubleClick(PointF{30, 30}, kRightButton, 0);
    router.release(PointF{30, 30}, kRightButton, 0);
    router.doubleClick(PointF{30, 30}, kMiddleButton, 0);
    EXPECT_EQ(log.events, (Strings{"down Body 2 0 450.000000 450.000000", "up Body 2 0 450.000000 450.000000",
                                   "down Body 4 0 450.000000 450.000000"}));
}

TEST_F(MouseRouterTest, UnpairedEventsAreDropped) {
    router.release(PointF{11, 11}, kLeftButton, 0);  // a release without its press
    router.press(PointF{11, 11}, kLeftButton, 0);
    router.press(PointF{11, 11}, kLeftButton, 0);  // a press already known
    router.release(PointF{11, 11}, kRightButton, 0);
    EXPECT_EQ(log.events, (Strings{"down Dot 1 0 15.000000 15.000000"}));
    EXPECT_EQ(router.buttonsHeld(), kLeftButton);
}

TEST_F(MouseRouterTest, NothingUnderThePointerGetsNothing) {
    dot.hide();
    router.press(PointF{90, 10}, kLeftButton, 0);
    router.move(PointF{20, 20}, 0);  // held, but nothing was pressed
    router.release(PointF{20, 20}, kLeftButton, 0);
    router.move(PointF{95, 45}, 0);
    EXPECT_TRUE(log.events.empty());
    router.move(PointF{11, 11}, 0);  // the hidden dot lets the body have it
    EXPECT_EQ(log.events, (Strings{"move Body 0 0 165.000000 165.000000"}));
}

}  // namespace
