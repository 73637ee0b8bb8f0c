#pragma once

// A device engine on fakes, started as the window's load starts it, and the
// list of what its LCD shows.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/device_engine.h"
#include "tests/support/fakes.h"

namespace fakes {

struct EngineRig {
    FakeTimer timer;
    FakeSettings settings;
    FakeClock clock;
    FakeSound sound;
    FakeFiles files;
    FakeCursor cursor;
    FakeRandom random;
    FakeWindow window;
    engine::DeviceEngine device{engine::EngineServices{timer, settings, clock.clock, sound, files, cursor, random},
                                window};

    EngineRig() {
        settings.values = firstStartSettings();
        for (const char* f : {"Beep0.wav", "Beep1.wav", "Beep2.wav", "Beep3.wav"})
            files.entries[files.folder + "/" + f] = forms::EntryKind::File;
        device.SetStartValues();
        device.ShowNormalLooks();
        device.scene().takeDirty();
    }

    // Every shown element of the client area with the picture it holds, sorted:
    // "DiverStep(0)=OnTheBoat(0)", "HourDigit(1)=Number(2)", "Colon".
    std::vector<std::string> lit() const {
        std::vector<std::string> out;
        for (const forms::PictureElement* e : device.scene().bottomToTop()) {
            if (!e->visible() || e->role() == forms::MouseRole::Store) continue;
            if (e->role() == forms::MouseRole::Button || e->name() == "FrontCase") continue;
            std::string s = e->label();
            if (e->picture() != nullptr && e->picture()->key() != s) s += "=" + e->picture()->key();
            out.push_back(s);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    std::string litText() const {
        std::ostringstream o;
        for (const auto& s : lit()) o << s << "\n";
        return o.str();
    }
    // Names of the sound files played, without their folder.
    std::vector<std::string> sounds() const {
        std::vector<std::string> out;
        for (const auto& p : sound.played) out.push_back(p.substr(p.find_last_of("/\\") + 1));
        return out;
    }
};

}  // namespace fakes
