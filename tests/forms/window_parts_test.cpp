#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "forms/menu.h"
#include "forms/random.h"
#include "forms/window_host.h"

namespace {

namespace frame = forms::windowFrame;

TEST(WindowFrame, EdgesSnapToWholePixelsOutsideTheClientArea) {
    // The first start's moves: the client area lands on the screen's corner.
    EXPECT_EQ(frame::clientPixel(-44, forms::kFrameLeft), 0);
    EXPECT_EQ(frame::clientPixel(-336, forms::kFrameTop), 0);
    EXPECT_FLOAT_EQ(frame::edgeTwips(0, forms::kFrameLeft), -45);
    EXPECT_FLOAT_EQ(frame::edgeTwips(0, forms::kFrameTop), -330);
    // Half pixels go to the even one.
    EXPECT_EQ(frame::clientPixel(22.5f, 0), 2);
    EXPECT_EQ(frame::clientPixel(37.5f, 0), 2);
    EXPECT_EQ(frame::clientPixel(-22.5f, 0), -2);
}

TEST(WindowFrame, AbsurdPositionsAreHeldToTheScreensReach) {
    EXPECT_EQ(frame::clientPixel(3.0e38f, 0), frame::kMaxScreenPixel);
    EXPECT_EQ(frame::clientPixel(-3.0e38f, 0), -frame::kMaxScreenPixel);
    EXPECT_EQ(frame::clientPixel(std::numeric_limits<float>::infinity(), forms::kFrameLeft), forms::kFrameLeft);
    EXPECT_EQ(frame::clientPixel(std::nanf(""), forms::kFrameTop), forms::kFrameTop);
}

TEST(MenuModel, ItemsKeepOrderKindAndAddress) {
    forms::Menu menu("PopupMenu");
    forms::MenuItem& hide = menu.addCheck("mHide", "&Hide");
    forms::MenuItem& sep = menu.addSeparator("mSep0");
    // Growth moves no item. (The names are appended to: "m" + ... makes GCC 12
    // at -O3 warn of a false overlap.)
    for (int i = 0; i < 50; ++i) {
        std::string name = "m";
        name += std::to_string(i);
        menu.addCommand(name, "x");
    }
    EXPECT_EQ(menu.find("mHide"), &hide);
    EXPECT_EQ(menu.find("mSep0"), &sep);
    EXPECT_EQ(menu.find("mNone"), nullptr);
    EXPECT_EQ(menu.items().size(), 52u);
    EXPECT_EQ(sep.caption, "-");
    EXPECT_TRUE(sep.isSeparator());
    EXPECT_FALSE(hide.checked);
}

TEST(UniformRandomTest, NumbersLieInZeroToOne) {
    forms::UniformRandom random;
    random.seed(59);
    double sum = 0;
    int low = 0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const float v = random.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        sum += v;
        if (v < 0.1f) ++low;
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
    EXPECT_NEAR(static_cast<double>(low) / kDraws, 0.1, 0.01);
}

TEST(UniformRandomTest, TheSeedDecidesTheSequence) {
    forms::UniformRandom a, b;
    std::vector<float> first, again, other;
    a.seed(17);
    b.seed(17);
    for (int i = 0; i < 20; ++i) {
        first.push_back(a.next());
        again.push_back(b.next());
    }
    a.seed(18);
    for (int i = 0; i < 20; ++i) other.push_back(a.next());
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    // The sixty seeds of a start-up give sixty different games.
    std::set<float> starts;
    for (int s = 0; s < 60; ++s) {
        a.seed(s);
        starts.insert(a.next());
    }
    EXPECT_EQ(starts.size(), 60u);
}

}  // namespace
