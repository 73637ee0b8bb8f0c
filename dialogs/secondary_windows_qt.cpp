#include "dialogs/secondary_windows_qt.h"

#include <QCoreApplication>
#include <QWidget>

#include "dialogs/window_helpers.h"
#include "platform/qt/bring_to_front.h"

namespace dialogs {

namespace {

// The window to show: the open one, or a freshly loaded one. A closed window
// only waits for its queued deletion; it is unloaded already.
template <typename Window>
Window* loaded(QPointer<Window>& window, DeviceLink& link) {
    if (window && !window->isVisible()) delete window.data();
    if (!window) window = new Window(link);
    return window;
}

}  // namespace

SecondaryWindowsQt::SecondaryWindowsQt(DeviceLink& link) : link_(link) {}

SecondaryWindowsQt::~SecondaryWindowsQt() {
    // A window closed but not yet deleted (its deletion is queued) or still
    // open goes with the object that made it, while widgets can still go.
    if (!QCoreApplication::instance()) return;
    delete options_.data();
    delete instructions_.data();
    delete about_.data();
}

void SecondaryWindowsQt::showOptions() {
    qtplatform::bringToFront(*loaded(options_, link_));
}

void SecondaryWindowsQt::showInstructions() {
    qtplatform::bringToFront(*loaded(instructions_, link_));
}

void SecondaryWindowsQt::showAbout() {
    qtplatform::bringToFront(*loaded(about_, link_));
}

void SecondaryWindowsQt::makeInstructionsTopmost() {
    if (instructions_) setStaysOnTop(instructions_, true);
}

void SecondaryWindowsQt::closeAll() {
    for (QWidget* window : {static_cast<QWidget*>(options_.data()), static_cast<QWidget*>(instructions_.data()),
                            static_cast<QWidget*>(about_.data())})
        if (window) window->close();
}

}  // namespace dialogs
