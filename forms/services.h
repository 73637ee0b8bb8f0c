#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "forms/geometry.h"

namespace forms {

// The tick of a window. An interval of 0 stops it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int32_t ms) = 0;
    virtual int32_t interval() const = 0;
    // Holds the next tick back until ms from now, once; the interval's pace
    // resumes from that tick on. A stopped timer stays stopped.
    virtual void sleepFor(int32_t ms) = 0;
    // Ends a sleep: the next tick comes one interval from now. A timer that
    // is not sleeping keeps its pace.
    virtual void wake() = 0;
};

// One section of the per-user settings store; every value is text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
    virtual void remove(const std::string& key) = 0;

    // A read with a default: the stored text, or the default when missing.
    std::string get(const std::string& key, const std::string& fallback = std::string()) const {
        auto v = read(key);
        return v ? *v : fallback;
    }
};

// A time of day on the 24-hour clock.
struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    int toSeconds() const { return (hour * 60 + minute) * 60 + second; }
    static TimeOfDay fromSeconds(int s);
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The clock the device reads and sets.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay now() const = 0;
    // Milliseconds from now until the seconds of now() change, 1 to 1000.
    virtual int32_t msToNextSecond() const = 0;
    // Sets the time of day, keeping the date. Reports nothing.
    virtual void setTimeOfDay(TimeOfDay t) = 0;
};

// Plays a sound file asynchronously. A new sound cuts the one still playing;
// a file that cannot be played plays nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

enum class EntryKind : uint8_t { Missing, File, Folder };

// The few file system questions the device asks.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The folder of the running program (it may or may not end with a separator).
    virtual std::string programFolder() const = 0;
    virtual char separator() const = 0;
    // What a path names; any failure of the query is Missing.
    virtual EntryKind query(const std::string& path) const = 0;
};

// Opens a link (a web address or a mailto: link) with the desktop's handler.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const std::string& target) = 0;
};

// The icon in the desktop's tray. No tray host means no icon, never a failure.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void add(const std::string& tip) = 0;
    virtual void remove() = 0;
    // Whether the desktop has a tray now; one may come after start-up.
    virtual bool available() const = 0;
};

// The pointer position in client pixels of the device window.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual Point position() const = 0;
};

// Uniform single-precision numbers in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(int32_t seed) = 0;
    virtual float next() = 0;
};

}  // namespace forms
