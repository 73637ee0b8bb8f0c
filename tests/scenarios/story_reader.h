#pragma once

// Plays a story file against a device on fakes. A story is plain text, one
// input or checkpoint a line; '#' starts a comment.
//
//   clock 09:00:00          the system time (24-hour); "clock +61" moves it on;
//   clock refuses           the system refuses to be set from now on
//   random 0.1 0.5          numbers the random source hands out next
//   setting Key=Value       a value already in the settings store
//   tick [N]                N ticks of Timer1 (one without N)
//   key down <name>         a key goes down; "key up <name>" comes up;
//   key <name> [xN]         down and up, N times
//   press <button> at X,Y   the left mouse button goes down on a button's picture
//   move cursor X,Y         the pointer moves (the poll sees it at the next tick)
//   release <button> [at X,Y]  the left button comes up; the picture the press
//                           began on gets it, as the window's mouse capture does
//   hover logo              the pointer moves over the logo
//
// Checkpoints are followed by their expected lines, indented:
//   expect lit:       the sorted list of lit elements, "DiverStep(0)=OnTheBoat(0)"
//   expect settings:  the settings written since the last such checkpoint
//   expect buttons:   the buttons showing their pressed look
//   expect window:    the window commands called since the last such checkpoint
//
// A checkpoint that does not match fails with a text diff and the line. With
// DRELLOK_STORY_SHOW set in the environment every checkpoint prints what it saw.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "forms/keys.h"
#include "forms/mouse.h"
#include "tests/support/engine_fixture.h"

namespace story {

struct Line {
    int number;
    std::string text;
};

inline std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return std::string();
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

inline std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

inline std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

class Player {
public:
    explicit Player(std::string file) : file_(std::move(file)) {}

    // Plays the whole story; failures are reported through gtest.
    void play() {
        std::ifstream in(file_);
        if (!in) {
            ADD_FAILURE() << "cannot read " << file_;
            return;
        }
        if (std::getenv("DRELLOK_STORY_SHOW") != nullptr) std::printf("story %s\n", file_.c_str());
        std::vector<Line> lines;
        int number = 0;
        for (std::string raw; std::getline(in, raw);) {
            ++number;
            const size_t hash = raw.find('#');
            if (hash != std::string::npos) raw.erase(hash);
            if (trim(raw).empty()) continue;
            lines.push_back({number, raw});
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            const std::string text = trim(line.text);
            if (text.rfind("expect ", 0) == 0) {
                std::vector<std::string> expected;
                while (i + 1 < lines.size() && isIndented(lines[i + 1].text)) expected.push_back(trim(lines[++i].text));
                checkpoint(line, text, expected);
            } else if (!step(text)) {
                ADD_FAILURE() << where(line) << ": cannot read \"" << text << "\"";
                return;
            }
        }
    }

private:
    static bool isIndented(const std::string& s) { return !s.empty() && (s[0] == ' ' || s[0] == '\t'); }
    std::string where(const Line& line) const { return file_ + ":" + std::to_string(line.number); }

    bool step(const std::string& text) {
        const std::vector<std::string> w = words(text);
        engine::DeviceEngine& d = rig_.device;
        if (w[0] == "tick") {
            const int n = w.size() > 1 ? std::stoi(w[1]) : 1;
            for (int i = 0; i < n; ++i) d.Timer1_Timer();
            return true;
        }
        if (w[0] == "clock" && w.size() == 2) {
            if (w[1] == "refuses") {
                rig_.clock.system.refuse = true;
                return true;
            }
            if (w[1][0] == '+') {
                rig_.clock.advance(std::stoi(w[1].substr(1)));
                return true;
            }
            int h = 0, m = 0, s = 0;
            if (std::sscanf(w[1].c_str(), "%d:%d:%d", &h, &m, &s) != 3) return false;
            rig_.clock.set(h, m, s);
            return true;
        }
        if (w[0] == "random") {
            for (size_t i = 1; i < w.size(); ++i) rig_.random.script.push_back(std::stof(w[i]));
            return true;
        }
        if (w[0] == "setting") {
            const std::string rest = trim(text.substr(7));
            const size_t eq = rest.find('=');
            if (eq == std::string::npos) return false;
            rig_.settings.values[rest.substr(0, eq)] = rest.substr(eq + 1);
            return true;
        }
        if (w[0] == "key") return keyStep(w);
        if (w[0] == "press" && w.size() == 4 && w[2] == "at") {
            const int16_t code = buttonCode(w[1]);
            if (code == engine::ButtonNone || !point(w[3])) return false;
            pressedOn_ = code;
            d.ButtonMouseDown(code, forms::kLeftButton);
            return true;
        }
        if (w[0] == "release" && (w.size() == 2 || (w.size() == 4 && w[2] == "at"))) {
            const int16_t code = buttonCode(w[1]);
            if (code == engine::ButtonNone || (w.size() == 4 && !point(w[3]))) return false;
            if (code != pressedOn_) return false;  // the press's picture takes the release
            d.ButtonMouseUp(code, forms::kLeftButton);
            pressedOn_ = engine::ButtonNone;
            return true;
        }
        if (w[0] == "move" && w.size() == 3 && w[1] == "cursor") return point(w[2]);
        if (w[0] == "hover" && w.size() == 2 && w[1] == "logo") {
            d.Logo_MouseMove(0);
            return true;
        }
        return false;
    }

    // "xN" after a key name repeats it; "up" and "down" are also key names.
    static int repeatCount(const std::string& w) {
        if (w.size() < 2 || w[0] != 'x' || w.find_first_not_of("0123456789", 1) != std::string::npos) return 0;
        return std::stoi(w.substr(1));
    }

    bool keyStep(const std::vector<std::string>& w) {
        engine::DeviceEngine& d = rig_.device;
        const int n = w.size() == 3 ? repeatCount(w[2]) : (w.size() == 2 ? 1 : 0);
        if (n > 0) {
            const int16_t key = keyCode(w[1]);
            if (key < 0) return false;
            for (int i = 0; i < n; ++i) {
                d.Form_KeyDown(key, 0);
                d.Form_KeyUp(key, 0);
            }
            return true;
        }
        if (w.size() == 3 && (w[1] == "down" || w[1] == "up")) {
            const int16_t key = keyCode(w[2]);
            if (key < 0) return false;
            if (w[1] == "down")
                d.Form_KeyDown(key, 0);
            else
                d.Form_KeyUp(key, 0);
            return true;
        }
        return false;
    }

    bool point(const std::string& xy) {
        int x = 0, y = 0;
        if (std::sscanf(xy.c_str(), "%d,%d", &x, &y) != 2) return false;
        rig_.cursor.pos = {x, y};
        return true;
    }

    static int16_t buttonCode(const std::string& name) {
        static const std::map<std::string, int16_t> codes = {
            {"gameA", engine::ButtonGameA}, {"gameB", engine::ButtonGameB}, {"time", engine::ButtonTime},
            {"left", engine::ButtonLeft},   {"right", engine::ButtonRight}, {"alarm", engine::ButtonAlarm},
            {"acl", engine::ButtonACL},     {"logo", engine::ButtonLogo}};
        auto it = codes.find(name);
        return it == codes.end() ? int16_t{engine::ButtonNone} : it->second;
    }

    static int16_t keyCode(const std::string& name) {
        namespace vk = forms::vk;
        static const std::map<std::string, int16_t> codes = {
            {"left", vk::Left}, {"up", vk::Up},        {"right", vk::Right},      {"down", vk::Down},
            {"F1", vk::F1},     {"Enter", vk::Return}, {"pad1", vk::Numpad0 + 1}, {"pad2", vk::Numpad0 + 2}};
        auto it = codes.find(name);
        if (it != codes.end()) return it->second;
        if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return static_cast<int16_t>(name[0]);
        if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<int16_t>(name[0]);
        return -1;
    }

    void checkpoint(const Line& line, const std::string& text, const std::vector<std::string>& expected) {
        std::vector<std::string> actual;
        if (text == "expect lit:") {
            actual = rig_.lit();
        } else if (text == "expect settings:") {
            actual.assign(rig_.settings.writes.begin() + static_cast<long>(settingsSeen_), rig_.settings.writes.end());
            settingsSeen_ = rig_.settings.writes.size();
        } else if (text == "expect buttons:") {
            for (const forms::PictureElement* e : rig_.device.scene().bottomToTop())
                if (e->role() == forms::MouseRole::Button && e->picture() != nullptr &&
                    e->picture()->key().ends_with("(1)"))
                    actual.push_back(e->label());
            std::sort(actual.begin(), actual.end());
        } else if (text == "expect window:") {
            actual.assign(rig_.window.calls.begin() + static_cast<long>(callsSeen_), rig_.window.calls.end());
            callsSeen_ = rig_.window.calls.size();
        } else {
            ADD_FAILURE() << where(line) << ": no such checkpoint \"" << text << "\"";
            return;
        }
        if (std::getenv("DRELLOK_STORY_SHOW") != nullptr) {  // to write a new story's checkpoints
            std::printf("%s\n", text.c_str());
            for (const auto& a : actual) std::printf("    %s\n", a.c_str());
        }
        EXPECT_EQ(join(expected), join(actual)) << where(line) << " (" << text << ")";
    }

    std::string file_;
    fakes::EngineRig rig_;
    int16_t pressedOn_ = engine::ButtonNone;
    size_t settingsSeen_ = 0;
    size_t callsSeen_ = 0;
};

}  // namespace story
