#include "window/form1.h"

namespace window {

namespace {
// Timer1's interval when the window is created: the device starts as a clock.
constexpr int32_t kClockInterval = 50;
// A quiet device's next tick comes this long after its clock's next second,
// so that a system clock slewed by a hair still shows the new second.
constexpr int32_t kPastTheSecond = 2;
}  // namespace

Form1::Form1(const Form1Services& services)
    : mHide(mPopupMenu.addCheck("mHide", "&Hide")),
      mSound(mPopupMenu.addCheck("mSound", "&Sound")),
      mAutoShow(mPopupMenu.addCheck("mAutoShow", "A&uto Show")),
      mAlwaysOnTop(mPopupMenu.addCheck("mAlwaysOnTop", "Always on &Top")),
      mBack(mPopupMenu.addCheck("mBack", "&Back")),
      mSep0(mPopupMenu.addSeparator("mSep0")),
      mOptions(mPopupMenu.addCommand("mOptions", "&Options...")),
      mInstructions(mPopupMenu.addCommand("mInstructions", "&Instructions...")),
      mAbout(mPopupMenu.addCommand("mAbout", "&About...")),
      mSep1(mPopupMenu.addSeparator("mSep1")),
      mExit(mPopupMenu.addCommand("mExit", "&Exit")),
      services_(services),
      device_(services.device, *this) {
    services_.device.timer.setInterval(kClockInterval);
}

void Form1::Timer1_Timer() {
    if (unloaded_) return;
    device_.Timer1_Timer();
    armTimer1(true);
}

void Form1::armTimer1(bool afterTick) {
    if (unloaded_) return;  // stopped for good
    forms::Timer& timer = services_.device.timer;
    if (afterTick) {
        // Read before the device is asked: a second that turns in between
        // makes the device busy with it, never a sleep past it.
        const int32_t untilNextSecond = services_.device.clock.msToNextSecond();
        if (device_.quietUntilNextSecond()) {
            timer.sleepFor(untilNextSecond + kPastTheSecond);
            return;
        }
    }
    timer.wake();
}

void Form1::keyDown(int16_t keyCode, int16_t shift) {
    if (unloaded_) return;
    device_.Form_KeyDown(keyCode, shift);
    armTimer1(false);
}

void Form1::keyUp(int16_t keyCode, int16_t shift) {
    if (unloaded_) return;
    device_.Form_KeyUp(keyCode, shift);
    armTimer1(false);
}

void Form1::setDeviceTopmost(bool on) {
    services_.host.setStayOnTop(on);
}

void Form1::DoCheckSpeed() {
    if (unloaded_) return;  // the timer stays stopped once the program ends
    device_.DoCheckSpeed();
    armTimer1(false);
}

}  // namespace window
