#pragma once

// In-memory fakes of every service of the forms layer, for headless tests.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/window_commands.h"
#include "forms/device_clock.h"
#include "forms/services.h"

namespace fakes {

// Every setting as the program's first start writes it: the store of a
// settled earlier run.
inline const std::map<std::string, std::string>& firstStartSettings() {
    static const std::map<std::string, std::string> settings{
        {"Sound", "True"},
        {"Left", "-45"},
        {"Top", "-330"},
        {"Diver Speed", "300"},
        {"Game A Speed", "220"},
        {"Game B Speed", "170"},
        {"Game A High Score", "0"},
        {"Game B High Score", "0"},
        {"Alarm Time", "120000 PM"},
        {"Alarm On", "False"},
        {"Always on Top", "False"},
        {"Auto Show", "True"},
    };
    return settings;
}

// Ticks only when the test says so; records the intervals set and whether the
// next tick is held back, and for how long.
class FakeTimer : public forms::Timer {
public:
    void setInterval(int32_t ms) override {
        if (ms != interval_) sleeping.reset();  // as the real timer: a new pace ends a sleep
        interval_ = ms;
        history.push_back(ms);
    }
    int32_t interval() const override { return interval_; }
    void sleepFor(int32_t ms) override {
        if (interval_ > 0) sleeping = ms;
    }
    void wake() override { sleeping.reset(); }
    // Milliseconds from the last arming to the next tick; 0 when stopped.
    int32_t nextTickIn() const { return sleeping ? *sleeping : (interval_ > 0 ? interval_ : 0); }
    std::vector<int32_t> history;
    std::optional<int32_t> sleeping;

private:
    int32_t interval_ = 50;
};

class FakeSettings : public forms::SettingsStore {
public:
    std::optional<std::string> read(const std::string& key) const override {
        ++reads;
        auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void write(const std::string& key, const std::string& value) override {
        values[key] = value;
        writes.push_back(key + "=" + value);
    }
    void remove(const std::string& key) override {
        values.erase(key);
        writes.push_back("-" + key);
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // in order: "Key=Value", "-Key" for a removal
    mutable int reads = 0;
};

// The system's clock: settable, and refusing to be set when told so.
class FakeSystemTime : public forms::SystemTime {
public:
    forms::TimeOfDay now() const override { return time; }
    int32_t msToNextSecond() const override { return 1000 - millisecond; }
    bool trySetTimeOfDay(forms::TimeOfDay t) override {
        setRequests.push_back(t);
        if (refuse) return false;
        time = t;
        return true;
    }
    forms::TimeOfDay time{12, 0, 0};
    int millisecond = 0;  // into the second of time, 0..999
    bool refuse = false;
    std::vector<forms::TimeOfDay> setRequests;
};

// The device's clock over a fake system clock (the real offset logic).
struct FakeClock {
    FakeSystemTime system;
    forms::DeviceClock clock{system};
    void set(int h, int m, int s) { system.time = forms::TimeOfDay{h, m, s}; }
    void advance(int seconds) { system.time = forms::TimeOfDay::fromSeconds(system.time.toSeconds() + seconds); }
};

class FakeSound : public forms::SoundPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

class FakeFiles : public forms::FileSystem {
public:
    std::string programFolder() const override { return folder; }
    char separator() const override { return sep; }
    forms::EntryKind query(const std::string& path) const override {
        ++queries;
        auto it = entries.find(path);
        return it == entries.end() ? forms::EntryKind::Missing : it->second;
    }
    std::string folder = "/opt/drellok";
    char sep = '/';
    std::map<std::string, forms::EntryKind> entries;
    mutable int queries = 0;
};

class FakeShell : public forms::Shell {
public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

class FakeTray : public forms::TrayIcon {
public:
    void add(const std::string& tip) override {
        shown = true;
        this->tip = tip;
        calls.push_back("add");
    }
    void remove() override {
        shown = false;
        calls.push_back("remove");
    }
    bool available() const override { return trayAvailable; }
    bool shown = false;
    bool trayAvailable = true;
    std::string tip;
    std::vector<std::string> calls;
};

class FakeCursor : public forms::Cursor {
public:
    forms::Point position() const override { return pos; }
    forms::Point pos{-100, -100};
};

// Plays back a script of numbers, then a fixed fallback.
class FakeRandom : public forms::Random {
public:
    void seed(int32_t s) override { seeds.push_back(s); }
    float next() override {
        ++draws;
        if (script.empty()) return fallback;
        const float v = script.front();
        script.pop_front();
        return v;
    }
    std::deque<float> script;
    float fallback = 0.9f;  // a start chance that fails
    std::vector<int32_t> seeds;
    int draws = 0;
};

// The window commands the engine calls, recorded, with the menu's switches.
class FakeWindow : public engine::WindowCommands {
public:
    void mHide_Click() override {
        calls.push_back("mHide_Click");
        hide = !hide;
    }
    void mSound_Click() override {
        calls.push_back("mSound_Click");
        sound = !sound;
    }
    void mBack_Click() override { calls.push_back("mBack_Click"); }
    void mOptions_Click() override { calls.push_back("mOptions_Click"); }
    void mInstructions_Click() override { calls.push_back("mInstructions_Click"); }
    void mAbout_Click() override { calls.push_back("mAbout_Click"); }
    void popupMenu() override { calls.push_back("popupMenu"); }
    bool soundChecked() const override { return sound; }
    bool autoShowChecked() const override { return autoShow; }
    bool hideChecked() const override { return hide; }

    bool sound = true;
    bool autoShow = true;
    bool hide = false;
    std::vector<std::string> calls;
};

}  // namespace fakes
