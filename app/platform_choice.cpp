#include "app/platform_choice.h"

#include <string_view>

namespace app {

namespace {

// An empty value counts as unset, as Qt counts it.
bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::string chosenQtPlatform(const EnvironmentLookup& environment) {
    if (isSet(environment("QT_QPA_PLATFORM"))) return {};
    if (!isSet(environment("DISPLAY"))) return {};
    const char* session = environment("XDG_SESSION_TYPE");
    const bool wayland = isSet(environment("WAYLAND_DISPLAY")) || (session && std::string_view(session) == "wayland");
    return wayland ? "xcb;wayland" : std::string();
}

}  // namespace app
