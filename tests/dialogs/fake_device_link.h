#pragma once

// The device window as the secondary windows see it, over the in-memory
// settings store and shell, recording what the windows ask of it.

#include <string>
#include <vector>

#include "dialogs/device_link.h"
#include "tests/support/fakes.h"

namespace fakes {

class FakeDeviceLink : public dialogs::DeviceLink {
public:
    bool soundChecked() const override { return sound; }
    void setSoundChecked(bool on) override {
        sound = on;
        calls.push_back(std::string("mSound=") + (on ? "1" : "0"));
    }
    bool autoShowChecked() const override { return autoShow; }
    void setAutoShowChecked(bool on) override {
        autoShow = on;
        calls.push_back(std::string("mAutoShow=") + (on ? "1" : "0"));
    }
    bool alwaysOnTopChecked() const override { return alwaysOnTop; }
    void setAlwaysOnTopChecked(bool on) override {
        alwaysOnTop = on;
        calls.push_back(std::string("mAlwaysOnTop=") + (on ? "1" : "0"));
    }
    void setDeviceTopmost(bool on) override {
        deviceTopmost = on;
        calls.push_back(std::string("topmost=") + (on ? "1" : "0"));
    }
    void DoCheckSpeed() override { calls.push_back("DoCheckSpeed"); }
    forms::SettingsStore& settings() override { return store; }
    forms::Shell& shell() override { return shellFake; }

    // The store as the first start leaves it.
    void writeDefaults() {
        store.values = {{"Sound", "True"},       {"Diver Speed", "300"},     {"Game A Speed", "220"},
                        {"Game B Speed", "170"}, {"Always on Top", "False"}, {"Auto Show", "True"}};
    }

    bool sound = true;
    bool autoShow = true;
    bool alwaysOnTop = false;
    bool deviceTopmost = false;
    std::vector<std::string> calls;
    FakeSettings store;
    FakeShell shellFake;
};

}  // namespace fakes
