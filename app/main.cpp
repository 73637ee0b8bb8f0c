// The Drellok: a handheld LCD game with a clock, on the desktop. It takes no
// command line; its settings live in the per-user settings store.
#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/platform_choice.h"
#include "dialogs/secondary_windows_qt.h"
#include "forms/device_clock.h"
#include "forms/random.h"
#include "platform/qt/clock_set_watch.h"
#include "platform/qt/device_widget.h"
#include "platform/qt/picture_renderer.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_popup_menu.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/qt_system_time.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/qt_tray_icon.h"
#include "window/form1.h"

int main(int argc, char** argv) {
    // No command line: not even Qt's own options are taken from it. The one
    // option Qt gets is the platform chosen here; handed over as an option and
    // not in the environment, it is not passed on to the programs the shell
    // opens from this one.
    std::string platformOption = "-platform";
    std::string platform = app::chosenQtPlatform([](const char* name) { return std::getenv(name); });
    std::vector<char*> qtArgv;
    if (argc > 0) qtArgv.push_back(argv[0]);
    if (argc > 0 && !platform.empty()) qtArgv.insert(qtArgv.end(), {platformOption.data(), platform.data()});
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    // The device's window is small and repaints a few pixels at a time, where
    // X shared-memory images gain nothing; with them Qt also waits for the X
    // server before each repaint, one more wake-up a second for an idle clock.
    // Read as the X connection opens; not handed on to programs opened later.
    const bool shmLeftToUs = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (shmLeftToUs) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(qtArgc, qtArgv.data());
    if (shmLeftToUs) qunsetenv("QT_XCB_NO_MITSHM");
    // Hidden in the tray the device lives on, whatever window closes last:
    // only its own unload ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(qtplatform::PictureRenderer::icon());

    qtplatform::PictureRenderer renderer(app.devicePixelRatio());
    qtplatform::DeviceWidget deviceWindow(renderer);

    qtplatform::QtTimer timer;
    // A device asleep until its clock's next second looks again when the
    // system clock is set meanwhile: that second may now be far off or past.
    qtplatform::ClockSetWatch clockSet([&timer] { timer.wake(); });
    qtplatform::QtSettingsStore settings;
    qtplatform::QtSystemTime systemTime;
    forms::DeviceClock clock(systemTime);
    qtplatform::QtSoundPlayer sound;
    qtplatform::QtFileSystem files;
    qtplatform::QtCursor cursor(deviceWindow.shownPlace());
    forms::UniformRandom random;
    qtplatform::QtShell shell;
    qtplatform::QtTrayIcon tray(qtplatform::PictureRenderer::icon());
    qtplatform::QtPopupMenu menus(&deviceWindow);

    window::Form1 form(window::Form1Services{
        {timer, settings, clock, sound, files, cursor, random}, shell, tray, deviceWindow, menus});
    dialogs::SecondaryWindowsQt secondaryWindows(form);
    form.setSecondaryWindows(&secondaryWindows);

    deviceWindow.attach(
        form.device().scene(), form, form, [&form] { form.Form_Unload(); },
        [&form](bool minimised) { form.windowMinimised(minimised); });
    // The tick and the tray run the device outside the window's own events.
    timer.setOnTick([&] {
        form.Timer1_Timer();
        deviceWindow.flushDirty();
    });
    tray.setOnMessage([&](int32_t message) {
        form.trayMessage(message);
        deviceWindow.flushDirty();
    });

    form.Form_Load();
    if (!form.unloaded()) deviceWindow.show();
    deviceWindow.flushDirty();
    return app.exec();
}
