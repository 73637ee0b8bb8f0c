#pragma once

// Fakes of the device window's own services (the window host, the menu host,
// the secondary windows) and a Form1 built on every fake.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/device_link.h"
#include "forms/menu.h"
#include "forms/window_host.h"
#include "tests/support/fakes.h"
#include "window/form1.h"

namespace fakes {

// A window on a screen of whole pixels, placed as the real host places it.
class FakeWindowHost : public forms::WindowHost {
public:
    float left() const override { return forms::windowFrame::edgeTwips(clientX, forms::kFrameLeft); }
    void setLeft(float twips) override {
        clientX = forms::windowFrame::clientPixel(twips, forms::kFrameLeft);
        calls.push_back("setLeft");
    }
    float top() const override { return forms::windowFrame::edgeTwips(clientY, forms::kFrameTop); }
    void setTop(float twips) override {
        clientY = forms::windowFrame::clientPixel(twips, forms::kFrameTop);
        calls.push_back("setTop");
    }
    void followMoves(std::function<void()>) override {}  // every move is made at once
    void setRegion(forms::Rect r) override {
        region = r;
        calls.push_back("setRegion");
    }
    void show() override {
        visible = true;
        calls.push_back("show");
    }
    void hide() override {
        visible = false;
        calls.push_back("hide");
    }
    bool isVisible() const override { return visible; }
    void setStayOnTop(bool on) override {
        stayOnTop = on;
        calls.push_back(on ? "topmost" : "notTopmost");
    }
    void processEvents() override {
        ++yields;
        if (pending) {
            // Events queued before the yield run inside it, once.
            auto events = std::move(pending);
            pending = nullptr;
            events();
        }
    }
    void quit() override {
        quitted = true;
        visible = false;
        calls.push_back("quit");
    }

    int32_t clientX = 0;  // screen pixels of the client area's corner
    int32_t clientY = 0;
    forms::Rect region{};
    bool visible = false;
    bool stayOnTop = false;
    bool quitted = false;
    int yields = 0;
    std::function<void()> pending;  // what the next yield dispatches
    std::vector<std::string> calls;
};

// Pops up nothing: answers with the next scripted choice ("" for none) and
// lets a test act while the menu is "open".
class FakeMenuHost : public forms::MenuHost {
public:
    forms::MenuItem* popup(const forms::Menu& menu) override {
        ++opened;
        ++open;
        std::vector<std::string> marks;
        std::vector<std::string> disabled;
        for (const auto& item : menu.items()) {
            if (item->checked) marks.push_back(item->name);
            if (!item->enabled) disabled.push_back(item->name);
        }
        checkedAtOpen.push_back(marks);
        disabledAtOpen.push_back(disabled);
        if (whileOpen) whileOpen();
        --open;
        if (choices.empty()) return nullptr;
        const std::string name = choices.front();
        choices.pop_front();
        return menu.find(name);
    }
    std::deque<std::string> choices;
    std::function<void()> whileOpen;
    std::vector<std::vector<std::string>> checkedAtOpen;
    std::vector<std::vector<std::string>> disabledAtOpen;
    int opened = 0;
    int open = 0;
};

class FakeSecondaryWindows : public dialogs::SecondaryWindows {
public:
    void showOptions() override { calls.push_back("showOptions"); }
    void showInstructions() override { calls.push_back("showInstructions"); }
    void showAbout() override { calls.push_back("showAbout"); }
    void makeInstructionsTopmost() override { calls.push_back("makeInstructionsTopmost"); }
    void closeAll() override { calls.push_back("closeAll"); }
    std::vector<std::string> calls;
};

// A device window on fakes, with the secondary windows attached and not yet
// loaded: the test fills the store, then calls load().
struct WindowRig {
    FakeTimer timer;
    FakeSettings settings;
    FakeClock clock;
    FakeSound sound;
    FakeFiles files;
    FakeCursor cursor;
    FakeRandom random;
    FakeShell shell;
    FakeTray tray;
    FakeWindowHost host;
    FakeMenuHost menus;
    FakeSecondaryWindows secondary;
    window::Form1 form{
        window::Form1Services{{timer, settings, clock.clock, sound, files, cursor, random}, shell, tray, host, menus}};

    WindowRig() { form.setSecondaryWindows(&secondary); }

    // Every key of a store that a previous run has brought up to date.
    void fillStore() {
        settings.values = {{"Sound", "True"},           {"Left", "1500"},           {"Top", "3000"},
                           {"Diver Speed", "300"},      {"Game A Speed", "220"},    {"Game B Speed", "170"},
                           {"Game A High Score", "12"}, {"Game B High Score", "7"}, {"Alarm Time", "063000 AM"},
                           {"Alarm On", "True"},        {"Always on Top", "False"}, {"Auto Show", "True"}};
    }

    // Form_Load, then the window shown as the platform shows it.
    void load() {
        form.Form_Load();
        host.show();
        host.calls.clear();
        settings.writes.clear();
        secondary.calls.clear();
        form.device().scene().takeDirty();
    }

    engine::DeviceEngine& device() { return form.device(); }
};

}  // namespace fakes
