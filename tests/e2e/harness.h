#pragma once

// The end-to-end harness: runs the real program on the X server of the test
// (each test program runs under xvfb-run), with a window manager and a tray
// host where a test needs them, a fresh HOME and no right to set the clock;
// drives it with real keys and clicks (xdotool) and reads back its windows
// (xwininfo, xprop), its pixels (import) and its settings file. Every process
// the harness starts it stops again, whatever way a test ends.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <QImage>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/geometry.h"
#include "tests/support/fakes.h"

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// How long a step may take before the test gives up on it: generous, since
// the sanitizer build and a loaded machine start slowly. Polls end early.
inline constexpr Millis kStartTimeout = 30s;
inline constexpr Millis kStepTimeout = 10s;
// Longer than the desktop's double-click time (400 ms in Qt): two clicks this
// far apart are two single clicks.
inline constexpr Millis kPastDoubleClick = 600ms;

// ---- Commands and processes ---------------------------------------------

struct CommandResult {
    int status = -1;  // exit status; -1 when it did not exit normally
    bool timedOut = false;
    std::string out;
    std::string err;
    bool ok() const { return status == 0 && !timedOut; }
};

// Runs a helper command to its end (no shell), capturing its output.
CommandResult runCommand(const std::vector<std::string>& argv, Millis timeout = kStepTimeout);

// Polls until done() holds; false when the timeout passed first.
bool waitUntil(const std::function<bool()>& done, Millis timeout = kStepTimeout, Millis step = 50ms);

// A process started in a process group of its own, which dies with the test
// program. stop() or the destructor ends the whole group.
class Process {
public:
    Process(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
            const std::filesystem::path& log);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    bool alive();
    // The exit status once it has ended by itself (-1 for a signal).
    std::optional<int> exitStatus();
    bool waitForExit(Millis timeout = kStepTimeout);
    // Asks the group to end, then forces it.
    void stop();
    const std::filesystem::path& log() const { return log_; }

private:
    void reap(bool block);

    pid_t pid_ = -1;
    bool reaped_ = false;
    int rawStatus_ = 0;
    std::filesystem::path log_;
};

// ---- The device's element rectangles --------------------------------------

// The rectangle of a device window element in client pixels, from the
// engine's own picture table: "FrontCase", "HourDigit(1)", "GameType(0)".
forms::Rect elementRect(const std::string& label);
// A point of the bare front case, covered by no other element of the device
// window, shown or not: where a press drags the window or opens the menu.
forms::Point bareCasePoint();

// ---- Screens and windows ----------------------------------------------------

struct Geometry {
    int x = 0;  // client area's top-left on the screen
    int y = 0;
    int width = 0;
    int height = 0;
    bool viewable = false;
};

// Geometry of a window; nullopt when it no longer exists.
std::optional<Geometry> windowGeometry(const std::string& window);
// One property as xprop prints it ("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0");
// empty when the property is not set.
std::string windowProperty(const std::string& window, const std::string& name);
// Whether the window manager's state of the window holds an atom
// ("_NET_WM_STATE_ABOVE").
bool hasWindowState(const std::string& window, const std::string& atom);

// ---- Pixels ------------------------------------------------------------------

// What is on the screen over a window, the size of the window; pixels off the
// screen are transparent.
QImage screenshot(const std::string& window);
// Mean luminance (0..255) of the visible pixels of an element's rectangle;
// negative when none of it is on the screen.
double pixelLuminance(const QImage& shot, const std::string& label);
// Share (0..1) of the element's visible pixels that are dark (lcd_look.h).
double darkShare(const QImage& shot, const std::string& label);
enum class Lit { Yes, No, Unclear };
Lit litState(const QImage& shot, const std::string& label);
// Every element among labels whose lit state differs from expected, as
// "HourDigit(0) lit" or "am dark" or "pm unclear (0.05)"; empty when all match.
std::string litMismatches(const QImage& shot, const std::map<std::string, bool>& expected);

// Which picture an element of the screenshot shows: the key of the candidate
// ("Number(3)", "Diver(0)") whose rendering is closest to the pixels there,
// or "" when the bare front case is closer than any (the element is hidden).
// The candidates are drawn by the program's own picture renderer.
std::string shownPicture(const QImage& shot, const std::string& label, const std::vector<std::string>& candidates);
// The digit (0..9) a digit place ("HourDigit(1)") shows; -1 when none.
int shownDigit(const QImage& shot, const std::string& place);

// What differs between the clock face on the screenshot and the time of day
// hour:minute (hour 0..23, shown on the 12-hour clock with AM or PM) and, when
// given, the second (the colon is lit on even seconds); empty when nothing.
std::string clockFaceMismatches(const QImage& shot, int hour, int minute, std::optional<int> second = std::nullopt);
// The same for a score (0..999) on the digit places: right-aligned, without
// leading zeros, with the colon and the AM/PM marks dark.
std::string scoreMismatches(const QImage& shot, int points);

// ---- Input ---------------------------------------------------------------------

// Key names are X keysyms: "1", "r", "Left", "F1", "Next", "Escape", "Return".
void key(const std::string& keysym);
void keyDown(const std::string& keysym);
void keyUp(const std::string& keysym);
// The pointer, in screen pixels.
void moveMouse(int x, int y);
void mouseDown(int button = 1);
void mouseUp(int button = 1);
void click(int button = 1);
void doubleClick(int button = 1);
// The centre of an element of a window on the screen.
forms::Point elementCentre(const std::string& window, const std::string& label);
// Moves onto the element and clicks it.
void clickElement(const std::string& window, const std::string& label, int button = 1);
// Presses the left button at a point of the window (client pixels), moves by
// (dx, dy) in a few steps and releases.
void drag(const std::string& window, forms::Point from, int dx, int dy);
// The same from the centre of an element.
void drag(const std::string& window, const std::string& label, int dx, int dy);
// Moves to a point of the window (client pixels).
void moveMouseTo(const std::string& window, forms::Point p);

// ---- A session: one fresh HOME, the desktop and the program -------------------

using fakes::firstStartSettings;

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::filesystem::path& home() const { return home_; }
    std::filesystem::path settingsPath() const;

    // The store as a settled earlier run left it: every key at its default,
    // changed by overrides, so that the program starts without the first
    // start's Instructions window. Call before startProgram().
    void writeSettings(const std::map<std::string, std::string>& overrides = {});
    // The [Drellok] group of the settings file as text values; empty when
    // there is no file yet.
    std::map<std::string, std::string> settings() const;
    // Polls until the file holds key = value.
    bool waitForSetting(const std::string& key, const std::string& value, Millis timeout = kStepTimeout) const;

    void startWindowManager();
    void startTray();
    bool hasWindowManager() const { return wm_ != nullptr; }

    // Starts the program (again, after an earlier run ended, with the same
    // HOME), with further environment variables where given.
    Process& startProgram(const std::map<std::string, std::string>& environment = {});
    Process& program();
    bool processAlive();

    // A window of the program by its exact title; nullopt when none is shown.
    std::optional<std::string> findWindow(const std::string& title, bool viewableOnly = true);
    // Waits for it; fails the test when it does not come.
    std::string waitForWindow(const std::string& title, Millis timeout = kStartTimeout);
    // Why no such window is shown, for a failure: whether the program has
    // one, its map state, the window manager's WM_STATE on it.
    std::string windowReport(const std::string& title);
    // Every viewable top-level window of the program.
    std::vector<std::string> viewableWindows();
    // The program's popup menus that are open now.
    std::vector<std::string> openMenus();
    // The program's icon in the tray host, once it has docked there.
    std::optional<std::string> trayIcon();
    // Gives the window the keyboard (through the window manager when one runs).
    void focus(const std::string& window);
    // Asks the window manager to close the window, as its close command does.
    void closeWithWindowManager(const std::string& window);

    // The program's output so far (its last lines), for failure messages.
    std::string programLog(size_t maxLines = 40) const;
    // Saves a picture of the whole screen as failures/<name>.png in the
    // build folder of the end-to-end tests.
    void saveScreen(const std::string& name) const;

private:
    std::filesystem::path home_;
    std::unique_ptr<Process> wm_;
    std::unique_ptr<Process> tray_;
    std::unique_ptr<Process> program_;
    int runs_ = 0;
};

// Base of the end-to-end tests: a session per test, the program's output and
// a picture of the screen reported when a test fails.
class EndToEnd : public ::testing::Test {
protected:
    void TearDown() override;
    Session session;
};

}  // namespace e2e
