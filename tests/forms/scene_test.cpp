#include "forms/scene.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using forms::MouseRole;
using forms::PointF;
using forms::Rect;

// A small window: a case at the bottom, a segment, a disabled mark and a
// handler-less picture over it, and a hidden store.
class SceneTest : public ::testing::Test {
protected:
    forms::Scene scene{100, 50};
    forms::PictureElement& mark = add("Mark", -1, {10, 10, 10, 10}, MouseRole::None, true);
    forms::PictureElement& label = add("Label", -1, {30, 10, 10, 10}, MouseRole::None, true);
    forms::PictureElement& segment = add("Seg", 0, {5, 5, 30, 20}, MouseRole::Segment, true);
    forms::PictureElement& store = add("Store", 1, {0, 0, 100, 50}, MouseRole::Store, false);
    forms::PictureElement& back = add("Case", -1, {0, 0, 100, 50}, MouseRole::Case, true);

    forms::PictureElement& add(const char* name, int index, Rect r, MouseRole role, bool shown) {
        forms::PictureElement& e = scene.addBelow(name, index, r);
        e.setRole(role);
        e.setPicture(&scene.addPicture(e.label(), r.width, r.height));
        e.setVisible(shown);
        return e;
    }
    void SetUp() override {
        mark.setEnabled(false);
        scene.takeDirty();
    }
};

TEST_F(SceneTest, StackingRunsFromTheFirstAddedDown) {
    const auto& order = scene.bottomToTop();
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(order.front(), &back);
    EXPECT_EQ(order.back(), &mark);
    EXPECT_EQ(scene.find("Seg", 0), &segment);
    EXPECT_EQ(scene.find("Seg"), nullptr);  // the index is part of the name
    EXPECT_EQ(segment.label(), "Seg(0)");
    EXPECT_EQ(back.label(), "Case");
}

TEST_F(SceneTest, HitTestTakesTheTopmostShownEnabledElementThatTakesTheMouse) {
    EXPECT_EQ(scene.hitTest(PointF{12, 12}), &segment);  // the mark takes no mouse
    EXPECT_EQ(scene.hitTest(PointF{31, 12}), &segment);  // nor does the label
    EXPECT_EQ(scene.hitTest(PointF{50, 40}), &back);     // the store is never hit
    segment.hide();
    EXPECT_EQ(scene.hitTest(PointF{12, 12}), &back);
    segment.show();
    segment.setEnabled(false);
    EXPECT_EQ(scene.hitTest(PointF{12, 12}), &back);
    // Right and bottom edges are outside; the scene's outside hits nothing.
    EXPECT_EQ(scene.hitTest(PointF{99.9, 49.9}), &back);
    EXPECT_EQ(scene.hitTest(PointF{100, 10}), nullptr);
    EXPECT_EQ(scene.hitTest(PointF{-0.1, 10}), nullptr);
}

TEST_F(SceneTest, TopmostAtSeesEveryShownEnabledElement) {
    EXPECT_EQ(scene.topmostAt(PointF{31, 12}), &label);
    EXPECT_EQ(scene.topmostAt(PointF{12, 12}), &segment);  // the mark is disabled
    label.hide();
    EXPECT_EQ(scene.topmostAt(PointF{31, 12}), &segment);
}

TEST_F(SceneTest, OnlyVisibleChangesAreDirty) {
    const forms::Picture& other = scene.addPicture("Other", 30, 20);
    segment.setPicture(segment.picture());  // the same picture: nothing changed
    store.setPicture(&other);               // hidden: nothing to paint
    EXPECT_FALSE(scene.hasDirty());
    segment.setPicture(&other);
    EXPECT_EQ(scene.takeDirty(), (std::vector<Rect>{{5, 5, 30, 20}, {5, 5, 30, 20}}));
    segment.setVisible(true);
    EXPECT_FALSE(scene.hasDirty());
    segment.hide();
    EXPECT_EQ(scene.takeDirty().size(), 1u);
    segment.toggleVisible();
    EXPECT_EQ(scene.takeDirty().size(), 1u);
    EXPECT_FALSE(scene.hasDirty());  // taken
}

TEST_F(SceneTest, ElementWithoutPictureChangesNothingVisible) {
    forms::PictureElement& zone = scene.addBelow("Zone", -1, {40, 40, 5, 5});
    zone.show();
    zone.hide();
    EXPECT_FALSE(scene.hasDirty());
}

TEST_F(SceneTest, MovingDirtiesBothPlacesClippedToTheScene) {
    segment.moveTo({90, 40});
    EXPECT_EQ(scene.takeDirty(), (std::vector<Rect>{{5, 5, 30, 20}, {90, 40, 10, 10}}));
    segment.moveTo({90, 40});
    EXPECT_FALSE(scene.hasDirty());
    segment.moveTo({200, 200});  // wholly outside: only where it was
    EXPECT_EQ(scene.takeDirty(), (std::vector<Rect>{{90, 40, 10, 10}}));
    EXPECT_EQ(segment.rect(), (Rect{200, 200, 30, 20}));
}

}  // namespace
