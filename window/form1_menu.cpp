// The popup menu's commands and the tray icon's callback.
#include <algorithm>
#include <limits>

#include "forms/convert.h"
#include "window/form1.h"

namespace window {

namespace {
// The tray's mouse messages that mean something here.
constexpr int32_t kTrayLeftDoubleClick = 0x203;
constexpr int32_t kTrayRightButtonUp = 0x205;
}  // namespace

void Form1::saveSwitch(const char* key, bool on) {
    services_.device.settings.write(key, forms::booleanText(on));
}

bool Form1::canHide() const {
    // Hidden without a tray, nothing but the alarm could bring the window back.
    return services_.tray.available();
}

void Form1::mHide_Click() {
    // The device runs on while hidden; the tray icon stays. Showing is always
    // allowed: the alarm's Auto Show comes this way too.
    if (!mHide.checked && !canHide()) return;
    mHide.checked = !mHide.checked;
    if (mHide.checked)
        services_.host.hide();
    else
        services_.host.show();
}

void Form1::windowMinimised(bool minimised) {
    // Minimised counts as hidden: one double-click on the tray or the alarm's
    // Auto Show brings the window back, and the menu's mark tells the truth.
    if (!unloaded_) mHide.checked = minimised;
}

void Form1::mSound_Click() {
    mSound.checked = !mSound.checked;
    saveSwitch("Sound", mSound.checked);
}

void Form1::mAutoShow_Click() {
    mAutoShow.checked = !mAutoShow.checked;
    saveSwitch("Auto Show", mAutoShow.checked);
}

void Form1::mAlwaysOnTop_Click() {
    mAlwaysOnTop.checked = !mAlwaysOnTop.checked;
    saveSwitch("Always on Top", mAlwaysOnTop.checked);
    services_.host.setStayOnTop(mAlwaysOnTop.checked);
}

void Form1::mBack_Click() {
    device_.BackCase->setVisible(!device_.BackCase->visible());
    mBack.checked = device_.BackCase->visible();
}

void Form1::mOptions_Click() {
    if (secondary_ != nullptr) secondary_->showOptions();
}

void Form1::mInstructions_Click() {
    if (secondary_ != nullptr) secondary_->showInstructions();
}

void Form1::mAbout_Click() {
    if (secondary_ != nullptr) secondary_->showAbout();
}

void Form1::mExit_Click() {
    Form_Unload();
}

void Form1::popupMenu() {
    if (unloaded_) return;
    mHide.enabled = mHide.checked || canHide();
    forms::MenuItem* chosen = services_.menus.popup(mPopupMenu);
    // The menu runs its own loop: the program may have ended meanwhile.
    if (chosen == nullptr || unloaded_) return;
    runMenuItem(*chosen);
}

void Form1::runMenuItem(const forms::MenuItem& item) {
    if (&item == &mHide)
        mHide_Click();
    else if (&item == &mSound)
        mSound_Click();
    else if (&item == &mAutoShow)
        mAutoShow_Click();
    else if (&item == &mAlwaysOnTop)
        mAlwaysOnTop_Click();
    else if (&item == &mBack)
        mBack_Click();
    else if (&item == &mOptions)
        mOptions_Click();
    else if (&item == &mInstructions)
        mInstructions_Click();
    else if (&item == &mAbout)
        mAbout_Click();
    else if (&item == &mExit)
        mExit_Click();
}

void Form1::Form_MouseMove(int16_t, int16_t, float X, float) {
    if (unloaded_) return;
    const double pixels = forms::roundHalfEven(static_cast<double>(X) / forms::kTwipsPerPixel);
    Msg = static_cast<int32_t>(
        std::clamp(pixels, double(std::numeric_limits<int32_t>::min()), double(std::numeric_limits<int32_t>::max())));
    // The menu runs its own loop; tray messages that arrive meanwhile are dropped.
    if (Busy) return;
    Busy = true;
    if (Msg == kTrayLeftDoubleClick)
        mHide_Click();
    else if (Msg == kTrayRightButtonUp)
        popupMenu();
    Busy = false;
    armTimer1(false);
}

void Form1::trayMessage(int32_t message) {
    Form_MouseMove(0, 0, static_cast<float>(static_cast<double>(message) * forms::kTwipsPerPixel), 0);
}

}  // namespace window
