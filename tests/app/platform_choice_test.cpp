#include "app/platform_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string choiceIn(const std::map<std::string, std::string>& variables) {
    return app::chosenQtPlatform([&](const char* name) -> const char* {
        const auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    });
}

constexpr const char* kX11 = "xcb;wayland";

TEST(QtPlatformChoice, AWaylandSessionWithXWaylandGoesToX11) {
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}), kX11);
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}), kX11);
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}), kX11);
}

TEST(QtPlatformChoice, TheUsersChoiceIsKept) {
    EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}), "");
    EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}), "");
    // Qt takes an empty value as none.
    EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}), kX11);
}

TEST(QtPlatformChoice, QtChoosesWhereThereIsNoXServerOrNoWayland) {
    EXPECT_EQ(choiceIn({}), "");
    EXPECT_EQ(choiceIn({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}), "");
    EXPECT_EQ(choiceIn({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", "wayland-0"}}), "");
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}}), "");
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}), "");
    EXPECT_EQ(choiceIn({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", ""}, {"XDG_SESSION_TYPE", "tty"}}), "");
}

}  // namespace
