// The Qt platform the program asks for, chosen from its environment before the
// application object exists.
#pragma once

#include <functional>
#include <string>

namespace app {

// A variable's value, or nullptr where it is unset (as std::getenv answers).
using EnvironmentLookup = std::function<const char*(const char*)>;

// The platform list to hand to Qt, or an empty text to leave Qt its own choice.
//
// Under Qt's native Wayland platform a window cannot place itself: the device
// could neither be dragged nor keep its place nor stay on top. So in a Wayland
// session that also offers an X server (XWayland), X11 is taken, with Wayland
// as the fallback should that server not answer. A platform the user chose is
// kept.
std::string chosenQtPlatform(const EnvironmentLookup& environment);

}  // namespace app
