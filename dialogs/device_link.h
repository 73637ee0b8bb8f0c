#pragma once

#include "forms/services.h"

namespace dialogs {

// What the secondary windows may reach of the device window: the menu's
// switches, the device window's stay-on-top, the speed check and the services.
// The device window implements it.
class DeviceLink {
public:
    virtual ~DeviceLink() = default;
    virtual bool soundChecked() const = 0;
    virtual void setSoundChecked(bool on) = 0;
    virtual bool autoShowChecked() const = 0;
    virtual void setAutoShowChecked(bool on) = 0;
    virtual bool alwaysOnTopChecked() const = 0;
    virtual void setAlwaysOnTopChecked(bool on) = 0;
    // Puts the device window above other windows or not (z-order only).
    virtual void setDeviceTopmost(bool on) = 0;
    virtual void DoCheckSpeed() = 0;
    virtual forms::SettingsStore& settings() = 0;
    virtual forms::Shell& shell() = 0;
};

// The three secondary windows as the device window opens them. Each exists
// once: asking again shows the same window.
class SecondaryWindows {
public:
    virtual ~SecondaryWindows() = default;
    virtual void showOptions() = 0;       // Form3
    virtual void showInstructions() = 0;  // Form4
    virtual void showAbout() = 0;         // Form2
    // The first start puts the Instructions window above all others.
    virtual void makeInstructionsTopmost() = 0;
    // The program's end closes every secondary window.
    virtual void closeAll() = 0;
};

}  // namespace dialogs
