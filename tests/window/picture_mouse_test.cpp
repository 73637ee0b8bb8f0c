#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/mouse.h"
#include "tests/support/window_fakes.h"

namespace {

using Strings = std::vector<std::string>;
using forms::kLeftButton;
using forms::kMiddleButton;
using forms::kRightButton;

// Client pixels of a few places: the bare case, a shown segment, a button.
constexpr forms::PointF kOnCase{5, 5};
constexpr forms::PointF kOnTreasure{220, 130};
constexpr forms::PointF kOnGameA{285, 27};
constexpr forms::PointF kOnLogo{20, 40};
constexpr forms::PointF kOnAmMark{150, 53};  // am: no handler, disabled

class PictureMouse : public ::testing::Test {
protected:
    fakes::WindowRig rig;
    window::Form1& form = rig.form;
    engine::DeviceEngine& d = rig.device();
    forms::MouseRouter mouse{d.scene(), form};

    void SetUp() override {
        rig.fillStore();
        rig.settings.values["Left"] = "1455";  // client area at (100, 50)
        rig.settings.values["Top"] = "420";
        rig.load();
    }

    forms::Point client() const { return {rig.host.clientX, rig.host.clientY}; }
    // A point of the screen as the window's client pixels, wherever it is now.
    forms::PointF at(double sx, double sy) const { return {sx - rig.host.clientX, sy - rig.host.clientY}; }
};

TEST_F(PictureMouse, ClickWithoutMovingSavesTheUnchangedPosition) {
    for (forms::PointF p : {kOnCase, kOnTreasure}) {
        rig.settings.writes.clear();
        mouse.press(p, kLeftButton, 0);
        EXPECT_TRUE(d.Dragging);
        mouse.release(p, kLeftButton, 0);
        EXPECT_FALSE(d.Dragging);
        EXPECT_EQ(rig.settings.writes, (Strings{"Left=1455", "Top=420"}));
    }
    EXPECT_EQ(client(), (forms::Point{100, 50}));
}

TEST_F(PictureMouse, DragKeepsThePressPointUnderThePointer) {
    // Press at screen (105, 55), then move the pointer by (+37, -12) in two steps.
    mouse.press(at(105, 55), kLeftButton, 0);
    EXPECT_EQ(d.DragX, 5 * 15);
    EXPECT_EQ(d.DragY, 5 * 15);
    mouse.move(at(110, 53), 0);
    EXPECT_EQ(client(), (forms::Point{105, 48}));
    mouse.move(at(142, 43), 0);
    EXPECT_EQ(client(), (forms::Point{137, 38}));
    EXPECT_EQ(rig.host.yields, 2);
    EXPECT_TRUE(rig.settings.writes.empty());  // nothing saved while dragging
    mouse.release(at(142, 43), kLeftButton, 0);
    EXPECT_EQ(rig.settings.writes, (Strings{"Left=2010", "Top=240"}));
    // Each step moves left first, then top.
    EXPECT_EQ(rig.host.calls, (Strings{"setLeft", "setTop", "setLeft", "setTop"}));
}

TEST_F(PictureMouse, DragOffTheScreenIsSavedAsItIs) {
    mouse.press(at(110, 60), kLeftButton, 0);
    mouse.move(at(-300, -200), 0);
    mouse.release(at(-300, -200), kLeftButton, 0);
    EXPECT_EQ(client(), (forms::Point{-310, -210}));
    EXPECT_EQ(rig.settings.values["Left"], "-4695");
    EXPECT_EQ(rig.settings.values["Top"], "-3480");

    // The next start puts it back there.
    fakes::WindowRig next;
    next.settings.values = rig.settings.values;
    next.form.Form_Load();
    EXPECT_EQ(next.host.clientX, -310);
    EXPECT_EQ(next.host.clientY, -210);
    EXPECT_TRUE(next.settings.writes.empty());
}

TEST_F(PictureMouse, PressPointRoundsHalfToEven) {
    form.DoMouseDown(kLeftButton, 0, 1237.5f, 1236.5f);
    EXPECT_EQ(d.DragX, 1238);
    EXPECT_EQ(d.DragY, 1236);
    // A second press during a drag just takes the new point.
    form.DoMouseDown(kLeftButton, 0, 10.5f, -0.5f);
    EXPECT_TRUE(d.Dragging);
    EXPECT_EQ(d.DragX, 10);
    EXPECT_EQ(d.DragY, 0);
}

TEST_F(PictureMouse, StepArithmeticIsSingleOverDouble) {
    form.DoMouseDown(kLeftButton, 0, 100, 200);
    form.DoMouseMove(kLeftButton, 0, 107.4f, 192.6f);  // under half a pixel: the window stays
    EXPECT_EQ(client(), (forms::Point{100, 50}));
    form.DoMouseMove(kLeftButton, 0, 122.5f, 237.5f);  // 97 + 1.5 and 28 + 2.5 pixels: halves to even
    EXPECT_EQ(client(), (forms::Point{101, 52}));
}

TEST_F(PictureMouse, MovesDragOnlyWithTheLeftButtonAlone) {
    mouse.press(at(105, 55), kLeftButton, 0);
    mouse.press(at(105, 55), kRightButton, 0);  // the case's menu
    ASSERT_EQ(rig.menus.opened, 1);
    mouse.move(at(140, 90), 0);  // left and right together
    EXPECT_EQ(client(), (forms::Point{100, 50}));
    // A right release during the drag neither ends it nor saves.
    rig.settings.writes.clear();
    mouse.release(at(140, 90), kRightButton, 0);
    EXPECT_TRUE(d.Dragging);
    EXPECT_TRUE(rig.settings.writes.empty());
    mouse.move(at(140, 90), 0);
    EXPECT_EQ(client(), (forms::Point{135, 85}));  // the press point under the pointer
    mouse.release(at(140, 90), kLeftButton, 0);
    EXPECT_EQ(rig.settings.writes, (Strings{"Left=1980", "Top=945"}));
}

TEST_F(PictureMouse, RightButtonAloneNeverMovesTheWindow) {
    for (forms::PointF p : {kOnCase, kOnTreasure}) {
        mouse.press(p, kRightButton, 0);
        mouse.move({p.x + 30, p.y + 10}, 0);
        mouse.release({p.x + 30, p.y + 10}, kRightButton, 0);
    }
    EXPECT_EQ(client(), (forms::Point{100, 50}));
    EXPECT_FALSE(d.Dragging);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(PictureMouse, SegmentOpensTheMenuForAnyOtherButtonWhateverIsHeld) {
    d.PressedButton = engine::ButtonRight;
    mouse.press(kOnTreasure, kRightButton, 0);
    mouse.release(kOnTreasure, kRightButton, 0);
    mouse.press(kOnTreasure, kMiddleButton, 0);
    mouse.release(kOnTreasure, kMiddleButton, 0);
    EXPECT_EQ(rig.menus.opened, 2);
    EXPECT_FALSE(d.Dragging);
}

TEST_F(PictureMouse, CaseOpensTheMenuForTheRightButtonWithNoDeviceButtonHeld) {
    mouse.press(kOnCase, kMiddleButton, 0);
    mouse.release(kOnCase, kMiddleButton, 0);
    EXPECT_EQ(rig.menus.opened, 0);
    d.PressedButton = engine::ButtonOutside;
    mouse.press(kOnCase, kRightButton, 0);
    mouse.release(kOnCase, kRightButton, 0);
    EXPECT_EQ(rig.menus.opened, 0);
    d.PressedButton = engine::ButtonNone;
    mouse.press(kOnCase, kRightButton, 0);
    mouse.release(kOnCase, kRightButton, 0);
    EXPECT_EQ(rig.menus.opened, 1);
}

TEST_F(PictureMouse, MenuChoiceFromThePictureRunsItsCommand) {
    rig.menus.choices = {"mBack"};
    mouse.press(kOnTreasure, kRightButton, 0);
    EXPECT_TRUE(d.BackCase->visible());
    EXPECT_TRUE(form.mBack.checked);
}

TEST_F(PictureMouse, DoubleClickTurnsTheDeviceOverOnceAndSavesOnce) {
    mouse.press(kOnTreasure, kLeftButton, 0);
    mouse.release(kOnTreasure, kLeftButton, 0);
    mouse.doubleClick(kOnTreasure, kLeftButton, 0);
    mouse.release(kOnTreasure, kLeftButton, 0);
    EXPECT_TRUE(d.BackCase->visible());
    EXPECT_TRUE(form.mBack.checked);
    EXPECT_EQ(rig.settings.writes, (Strings{"Left=1455", "Top=420"}));  // the first release only

    // On the back: it drags, opens the menu and turns back.
    rig.settings.writes.clear();
    mouse.press(at(110, 60), kLeftButton, 0);
    mouse.move(at(111, 62), 0);
    mouse.release(at(111, 62), kLeftButton, 0);
    EXPECT_EQ(client(), (forms::Point{101, 52}));
    EXPECT_EQ(rig.settings.writes.size(), 2u);
    mouse.press(kOnGameA, kRightButton, 0);  // the back covers the buttons
    mouse.release(kOnGameA, kRightButton, 0);
    EXPECT_EQ(rig.menus.opened, 1);
    EXPECT_EQ(d.PressedButton, engine::ButtonNone);
    mouse.press(kOnTreasure, kLeftButton, 0);
    mouse.release(kOnTreasure, kLeftButton, 0);
    mouse.doubleClick(kOnTreasure, kLeftButton, 0);
    mouse.release(kOnTreasure, kLeftButton, 0);
    EXPECT_FALSE(d.BackCase->visible());
    EXPECT_FALSE(form.mBack.checked);
}

TEST_F(PictureMouse, PicturesWithoutHandlersPassThePressToTheCase) {
    d.DoShowTime("120000 AM");  // lights the am mark
    ASSERT_TRUE(d.am->visible());
    mouse.press(kOnAmMark, kLeftButton, 0);
    EXPECT_EQ(mouse.captured(), d.FrontCase);
    EXPECT_TRUE(d.Dragging);
    mouse.release(kOnAmMark, kLeftButton, 0);
    EXPECT_FALSE(d.Dragging);
}

TEST_F(PictureMouse, CaseMoveWithNoButtonTakesBackTheLogoHighlight) {
    const forms::Picture* lit = d.VistrelLogo[1]->picture();
    const forms::Picture* normal = d.VistrelLogo[0]->picture();
    d.Logo->setPicture(lit);
    mouse.move(kOnTreasure, 0);  // a segment never touches the logo
    EXPECT_TRUE(d.Logo->holds(lit));
    mouse.press(kOnCase, kRightButton, 0);
    mouse.move({kOnCase.x + 1, kOnCase.y}, 0);  // right held over the case
    EXPECT_TRUE(d.Logo->holds(lit));
    mouse.release({kOnCase.x + 1, kOnCase.y}, kRightButton, 0);
    mouse.move(kOnCase, 0);
    EXPECT_TRUE(d.Logo->holds(normal));
    d.scene().takeDirty();
    mouse.move(kOnCase, 0);  // already normal: nothing assigned
    EXPECT_FALSE(d.scene().hasDirty());
}

TEST_F(PictureMouse, ButtonsGoToTheDeviceAndNeverDrag) {
    mouse.press(kOnGameA, kLeftButton, 0);
    EXPECT_EQ(d.PressedButton, engine::ButtonGameA);
    EXPECT_TRUE(d.GameAButton->holds(d.Button0[1]->picture()));
    mouse.move({kOnGameA.x + 40, kOnGameA.y}, 0);
    EXPECT_FALSE(d.Dragging);
    EXPECT_EQ(client(), (forms::Point{100, 50}));
    mouse.release({kOnGameA.x + 40, kOnGameA.y}, kLeftButton, 0);
    EXPECT_EQ(rig.settings.values["Left"], "1455");
    // A double-click on a button turns nothing over.
    mouse.doubleClick(kOnGameA, kLeftButton, 0);
    mouse.release(kOnGameA, kLeftButton, 0);
    EXPECT_FALSE(d.BackCase->visible());
}

TEST_F(PictureMouse, RightPressOnAButtonOpensTheMenuThroughTheDevice) {
    mouse.press(kOnGameA, kRightButton, 0);
    mouse.release(kOnGameA, kRightButton, 0);
    EXPECT_EQ(rig.menus.opened, 1);
    mouse.press(kOnLogo, kMiddleButton, 0);  // the logo takes the right button only
    mouse.release(kOnLogo, kMiddleButton, 0);
    EXPECT_EQ(rig.menus.opened, 1);
}

TEST_F(PictureMouse, LogoHoverLightsTheLogoAndTheCaseTakesItBack) {
    mouse.move(kOnLogo, 0);
    EXPECT_TRUE(d.Logo->holds(d.VistrelLogo[1]->picture()));
    mouse.move(kOnCase, 0);
    EXPECT_TRUE(d.Logo->holds(d.VistrelLogo[0]->picture()));
}

TEST_F(PictureMouse, NestedStepsInTheYieldMoveTheWindowOnceEach) {
    // A further move queued behind the first step runs inside its yield and
    // must neither yield again nor lose either step.
    form.DoMouseDown(kLeftButton, 0, 0, 0);
    rig.host.pending = [&] { form.DoMouseMove(kLeftButton, 0, 15 * 3, 15 * 4); };
    form.DoMouseMove(kLeftButton, 0, 15 * 10, 15 * 20);
    EXPECT_EQ(client(), (forms::Point{113, 74}));
    EXPECT_EQ(rig.host.yields, 1);
    form.DoMouseMove(kLeftButton, 0, 15, 15);  // the guard is down again
    EXPECT_EQ(rig.host.yields, 2);
}

TEST_F(PictureMouse, ReleaseInsideTheYieldEndsTheDragOnce) {
    form.DoMouseDown(kLeftButton, 0, 0, 0);
    rig.host.pending = [&] { form.DoMouseUp(kLeftButton, 0, 0, 0); };
    form.DoMouseMove(kLeftButton, 0, 30, 0);
    EXPECT_FALSE(d.Dragging);
    EXPECT_EQ(rig.settings.writes, (Strings{"Left=1485", "Top=420"}));
    form.DoMouseMove(kLeftButton, 0, 30, 0);
    EXPECT_EQ(client(), (forms::Point{102, 50}));
}

TEST_F(PictureMouse, ExitInsideTheYieldStopsEverything) {
    mouse.press(kOnCase, kLeftButton, 0);
    rig.host.pending = [&] { form.mExit_Click(); };
    mouse.move({kOnCase.x + 2, kOnCase.y}, 0);
    EXPECT_TRUE(rig.host.quitted);
    mouse.release({kOnCase.x + 2, kOnCase.y}, kLeftButton, 0);
    EXPECT_TRUE(d.Dragging);  // no handler runs after the end: nothing is saved
    EXPECT_TRUE(rig.settings.writes.empty());
}

}  // namespace
