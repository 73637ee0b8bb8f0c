// A session of a test: a fresh HOME, the desktop's window manager and tray
// host, the program, and its settings file.
#include <QSettings>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>

#include "tests/e2e/harness.h"
#include "tests/e2e/harness_internal.h"

namespace e2e {

using namespace detail;

namespace {

// ---- Settings file text --------------------------------------------------

// Keys as QSettings writes them in an INI file: %XX for what is not plain.
std::string decodeKey(const std::string& key) {
    std::string out;
    for (size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 2 < key.size() && std::isxdigit(static_cast<unsigned char>(key[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(key[i + 2]))) {
            out += static_cast<char>(std::stoi(key.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += key[i];
        }
    }
    return out;
}

// A text value: plain, or in double quotes with backslash escapes.
std::string decodeValue(const std::string& raw) {
    std::string v = trim(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size()) {
            ++i;
            out += v[i] == 'n' ? '\n' : v[i] == 't' ? '\t' : v[i];
        } else {
            out += v[i];
        }
    }
    return out;
}

// A window id as xdotool prints it (decimal) in the hexadecimal of xprop and wmctrl.
std::string hexId(const std::string& window) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx", std::stoul(window));
    return hex;
}

std::string regexEscape(const std::string& text) {
    static const std::string special = R"(\^$.|?*+()[]{})";
    std::string out;
    for (char c : text) {
        if (special.find(c) != std::string::npos) out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

// ---- Session ----------------------------------------------------------------------------

Session::Session() {
    std::string pattern = (std::filesystem::temp_directory_path() / "drellok-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary HOME: " << std::strerror(errno);
    home_ = pattern;
    std::filesystem::create_directories(home_ / ".config");
    std::filesystem::create_directories(home_ / "run");
    std::filesystem::permissions(home_ / "run", std::filesystem::perms::owner_all);
}

Session::~Session() {
    program_.reset();
    tray_.reset();
    wm_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

std::filesystem::path Session::settingsPath() const {
    return home_ / ".config" / "Vistrel Simulator" / "Vistrel Simulator.conf";
}

void Session::writeSettings(const std::map<std::string, std::string>& overrides) {
    std::map<std::string, std::string> values = firstStartSettings();
    for (const auto& [k, v] : overrides) values[k] = v;
    std::filesystem::create_directories(settingsPath().parent_path());
    // Written by QSettings itself, so that the file is exactly what the
    // program would have left.
    QSettings store(QString::fromStdString(settingsPath().string()), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Drellok"));
    for (const auto& [k, v] : values) store.setValue(QString::fromStdString(k), QString::fromStdString(v));
    store.endGroup();
    store.sync();
    if (store.status() != QSettings::NoError) ADD_FAILURE() << "could not write " << settingsPath();
}

std::map<std::string, std::string> Session::settings() const {
    // Read as text rather than through QSettings, whose per-process cache
    // could hide a change the program has just made.
    std::map<std::string, std::string> out;
    std::istringstream in(readFile(settingsPath()));
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        line = trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[Drellok]";
            continue;
        }
        const auto eq = line.find('=');
        if (!inGroup || eq == std::string::npos) continue;
        out[decodeKey(trim(line.substr(0, eq)))] = decodeValue(line.substr(eq + 1));
    }
    return out;
}

bool Session::waitForSetting(const std::string& key, const std::string& value, Millis timeout) const {
    return waitUntil(
        [&] {
            const auto s = settings();
            const auto it = s.find(key);
            return it != s.end() && it->second == value;
        },
        timeout);
}

namespace {

// Starts a helper of the desktop (window manager, tray host) and waits until
// ready() holds. A helper that dies on the way (an X server still settling on
// a loaded machine refuses it now and then) is started again, twice at most.
std::unique_ptr<Process> startHelper(const std::vector<std::string>& argv, const std::filesystem::path& home,
                                     const std::function<bool(pid_t)>& ready) {
    const auto log = home / (argv.front() + ".log");
    for (int attempt = 1; attempt <= 3; ++attempt) {
        auto helper = std::make_unique<Process>(argv, std::map<std::string, std::string>{{"HOME", home.string()}}, log);
        const pid_t pid = helper->pid();
        waitUntil([&] { return !helper->alive() || ready(pid); }, kStartTimeout);
        if (helper->alive() && ready(pid)) return helper;
        if (helper->alive()) break;  // running but never ready: no use starting it again
    }
    ADD_FAILURE() << argv.front() << " did not start: " << readFile(log);
    return nullptr;
}

}  // namespace

void Session::startWindowManager() {
    if (wm_) return;
    // Ready when openbox runs its start-up command, just before its event
    // loop. Its check window is named much earlier: a window mapped in
    // between stays unmapped, its map request read into openbox's own queue
    // while openbox sleeps until the X server sends something more. The
    // command's mark is named after its parent, this window manager.
    wm_ = startHelper(
        {"openbox", "--sm-disable", "--startup", R"(sh -c 'touch "$HOME/openbox-ready-$PPID"')"}, home_,
        [this](pid_t pid) { return std::filesystem::exists(home_ / ("openbox-ready-" + std::to_string(pid))); });
}

void Session::startTray() {
    if (tray_) return;
    tray_ = startHelper(
        {"trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24", "--SetDockType",
         "true", "--transparent", "false"},
        home_, [](pid_t pid) {
            return !words(runCommand({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(pid)}).out)
                        .empty();
        });
}

Process& Session::startProgram(const std::map<std::string, std::string>& environment) {
    program_.reset();
    std::map<std::string, std::string> env{
        {"HOME", home_.string()},
        {"XDG_RUNTIME_DIR", (home_ / "run").string()},
        {"QT_QPA_PLATFORM", "xcb"},
        // Nothing of the machine's own desktop session may leak in.
        {"XDG_CONFIG_HOME", ""},
        {"XDG_DATA_HOME", ""},
        {"XDG_CACHE_HOME", ""},
        {"DBUS_SESSION_BUS_ADDRESS", ""},
        {"SESSION_MANAGER", ""},
    };
    for (const auto& [name, value] : environment) env[name] = value;
    ++runs_;
    program_ = std::make_unique<Process>(
        std::vector<std::string>{"setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time", DRELLOK_PROGRAM}, env,
        home_ / ("drellok-" + std::to_string(runs_) + ".log"));
    return *program_;
}

Process& Session::program() {
    if (!program_) throw std::logic_error("the program was not started");
    return *program_;
}

bool Session::processAlive() {
    return program_ && program_->alive();
}

std::optional<std::string> Session::findWindow(const std::string& title, bool viewableOnly) {
    if (!program_) return std::nullopt;
    std::vector<std::string> args{"xdotool", "search", "--all", "--pid", std::to_string(program_->pid())};
    if (viewableOnly) args.push_back("--onlyvisible");
    std::string pattern = "^";
    pattern += regexEscape(title);
    pattern += '$';
    args.insert(args.end(), {"--name", pattern});
    // xdotool matches names regardless of case: check the exact title too.
    for (const std::string& id : words(runCommand(args).out)) {
        const std::string name = windowProperty(id, "_NET_WM_NAME");
        const std::string legacy = windowProperty(id, "WM_NAME");
        std::string quoted = "= \"";
        quoted += title;
        quoted += '"';
        auto endsWith = [&](const std::string& s) {
            return s.size() >= quoted.size() && s.compare(s.size() - quoted.size(), quoted.size(), quoted) == 0;
        };
        if (endsWith(name) || endsWith(legacy)) return id;
    }
    return std::nullopt;
}

std::string Session::waitForWindow(const std::string& title, Millis timeout) {
    std::optional<std::string> id;
    const bool found = waitUntil(
        [&] {
            id = findWindow(title);
            return id.has_value() || !processAlive();
        },
        timeout, 100ms);
    if (!found || !id) {
        ADD_FAILURE() << "no window \"" << title << "\" appeared: " << windowReport(title);
        return "0";
    }
    return *id;
}

std::string Session::windowReport(const std::string& title) {
    // The word after a label in a tool's report ("Map State: IsUnMapped").
    auto wordAfter = [](const std::string& text, const std::string& label) -> std::optional<std::string> {
        const auto at = text.find(label);
        if (at == std::string::npos) return std::nullopt;
        const auto w = words(text.substr(at + label.size()));
        return w.empty() ? std::nullopt : std::optional(w.front());
    };
    std::string out = processAlive() ? "" : "the program ended; ";
    if (const auto id = findWindow(title, false)) {
        const auto mapState = wordAfter(runCommand({"xwininfo", "-id", *id}).out, "Map State:");
        const auto wmState = wordAfter(windowProperty(*id, "WM_STATE"), "window state:");
        out += "window " + hexId(*id) + " exists, " + mapState.value_or("map state unknown") + ", " +
               (wmState ? "WM_STATE " + *wmState : "without WM_STATE");
    } else {
        out += "the program has no window of that title";
    }
    if (wm_) out += wm_->alive() ? "; the window manager runs" : "; the window manager ended";
    return out;
}

std::vector<std::string> Session::viewableWindows() {
    if (!program_) return {};
    return words(
        runCommand({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(program_->pid())}).out);
}

std::vector<std::string> Session::openMenus() {
    // A popup menu is a window the window manager does not manage (override
    // redirect), like a tooltip, which says what it is, and like the docked
    // tray icon.
    const std::optional<std::string> icon = trayIcon();
    std::vector<std::string> out;
    for (const std::string& id : viewableWindows()) {
        if (id == icon) continue;
        const CommandResult info = runCommand({"xwininfo", "-id", id});
        if (info.out.find("Override Redirect State: yes") == std::string::npos) continue;
        if (windowProperty(id, "_NET_WM_WINDOW_TYPE").find("TOOLTIP") != std::string::npos) continue;
        out.push_back(id);
    }
    return out;
}

std::optional<std::string> Session::trayIcon() {
    if (!program_) return std::nullopt;
    // The icon is a small untitled window of the program that the tray host
    // has embedded (every window of the program carries the embedding info).
    for (const std::string& id : viewableWindows()) {
        if (windowProperty(id, "_XEMBED_INFO").empty()) continue;
        if (windowProperty(id, "WM_NAME").find('"') != std::string::npos &&
            windowProperty(id, "WM_NAME").find("\"\"") == std::string::npos)
            continue;  // a titled window
        const auto g = windowGeometry(id);
        if (g && g->width > 1 && g->width <= 64 && g->height <= 64) return id;
    }
    return std::nullopt;
}

void Session::focus(const std::string& window) {
    xdotool({wm_ ? "windowactivate" : "windowfocus", "--sync", window});
    const bool focused = waitUntil([&] { return trim(runCommand({"xdotool", "getwindowfocus"}).out) == window; });
    if (!focused) ADD_FAILURE() << "window " << window << " did not get the keyboard";
}

void Session::closeWithWindowManager(const std::string& window) {
    if (!wm_) ADD_FAILURE() << "closing through the window manager needs startWindowManager()";
    const CommandResult r = runCommand({"wmctrl", "-i", "-c", hexId(window)});
    if (!r.ok()) ADD_FAILURE() << "wmctrl -c failed: " << r.err;
}

std::string Session::programLog(size_t maxLines) const {
    if (runs_ == 0) return {};
    std::istringstream in(readFile(home_ / ("drellok-" + std::to_string(runs_) + ".log")));
    std::deque<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
        if (lines.size() > maxLines) lines.pop_front();
    }
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

void Session::saveScreen(const std::string& name) const {
    std::filesystem::create_directories(DRELLOK_E2E_ARTIFACTS);
    const auto path = std::filesystem::path(DRELLOK_E2E_ARTIFACTS) / (name + ".png");
    runCommand({"import", "-silent", "-window", "root", "png:" + path.string()}, 20s);
}

void EndToEnd::TearDown() {
    if (!HasFailure()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    session.saveScreen(name);
    std::cerr << "---- the program's output (last lines) ----\n"
              << session.programLog() << "---- screen saved as " << DRELLOK_E2E_ARTIFACTS << "/" << name << ".png\n";
}

}  // namespace e2e
