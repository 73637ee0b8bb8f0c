// Start-up and shutdown of the device window, and the first-run defaults of
// the settings store.
#include <string>

#include "forms/convert.h"
#include "window/form1.h"

namespace window {

namespace {

// A key whose read with this default gives it back counts as missing.
const std::string kNotFound = "NotFound";

// A first start moves the window's edges here; with the frame cut away this
// puts the client area at the screen's top-left corner.
constexpr float kFirstLeft = -44;
constexpr float kFirstTop = -336;

// The window region: the client area of the framed window.
constexpr forms::Rect kDeviceRegion{forms::kFrameLeft, forms::kFrameTop, engine::kDeviceWidth, engine::kDeviceHeight};

constexpr const char* kTrayTip = "Drellok";

}  // namespace

void Form1::Form_Load() {
    forms::SettingsStore& store = services_.device.settings;
    forms::WindowHost& host = services_.host;
    auto missing = [&store](const char* key, std::string& value) {
        value = store.get(key, kNotFound);
        return value == kNotFound;
    };
    std::string value;

    services_.device.random.seed(services_.device.clock.now().second);
    host.setRegion(kDeviceRegion);
    device_.SetStartValues();

    // A stored value that does not convert reads as its default and stays as
    // it is in the store: only missing keys are written.
    if (missing("Sound", value)) {
        mSound.checked = true;
        store.write("Sound", forms::booleanText(mSound.checked));
    } else {
        mSound.checked = forms::toBoolean(value, true);
    }

    if (missing("Left", value)) {
        host.setLeft(kFirstLeft);
        store.write("Left", forms::singleText(host.left()));
    } else {
        host.setLeft(forms::toSingle(value, kFirstLeft));
    }
    if (missing("Top", value)) {
        host.setTop(kFirstTop);
        store.write("Top", forms::singleText(host.top()));
    } else {
        host.setTop(forms::toSingle(value, kFirstTop));
    }

    if (store.read("Seconds")) store.remove("Seconds");

    static constexpr struct {
        const char* key;
        const char* fallback;
    } kDefaults[] = {{"Diver Speed", "300"},
                     {"Game A Speed", "220"},
                     {"Game B Speed", "170"},
                     {"Game A High Score", "0"},
                     {"Game B High Score", "0"}};
    for (const auto& d : kDefaults)
        if (missing(d.key, value)) store.write(d.key, d.fallback);

    // The alarm switch goes with the alarm time: it is written only when the
    // time is, so that a switch the user set is never reset on its own.
    if (missing("Alarm Time", value)) {
        store.write("Alarm Time", "120000 PM");
        store.write("Alarm On", "False");
    }

    if (missing("Always on Top", value)) {
        mAlwaysOnTop.checked = false;
        store.write("Always on Top", forms::booleanText(mAlwaysOnTop.checked));
    } else {
        mAlwaysOnTop.checked = forms::toBoolean(value, false);
    }
    host.setStayOnTop(mAlwaysOnTop.checked);

    // No "Auto Show" yet: the program's first start. The instructions open
    // above every window, whatever "Always on Top" says.
    if (missing("Auto Show", value)) {
        mAutoShow.checked = true;
        store.write("Auto Show", forms::booleanText(mAutoShow.checked));
        mInstructions_Click();
        if (secondary_ != nullptr) secondary_->makeInstructionsTopmost();
    } else {
        mAutoShow.checked = forms::toBoolean(value, true);
    }

    device_.ShowNormalLooks();
    services_.tray.add(kTrayTip);
}

void Form1::Form_Unload() {
    if (unloaded_) return;  // the close that ending the program causes
    unloaded_ = true;
    services_.tray.remove();
    services_.device.timer.setInterval(0);
    if (secondary_ != nullptr) secondary_->closeAll();
    services_.host.quit();
}

}  // namespace window
