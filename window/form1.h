#pragma once

#include <cstdint>
#include <string>

#include "dialogs/device_link.h"
#include "engine/device_engine.h"
#include "engine/window_commands.h"
#include "forms/keys.h"
#include "forms/menu.h"
#include "forms/mouse.h"
#include "forms/services.h"
#include "forms/window_host.h"

namespace window {

// The services the device window runs on.
struct Form1Services {
    engine::EngineServices device;  // what the device itself runs on
    forms::Shell& shell;
    forms::TrayIcon& tray;
    forms::WindowHost& host;
    forms::MenuHost& menus;
};

// The device window: owns the device, its popup menu and Timer1; starts and
// ends the program, drags the window by its pictures, carries the menu and
// the tray icon's callback, and hands the device's own pictures and keys to
// the device. Handlers keep the names of the device's design.
class Form1 final : public engine::WindowCommands,
                    public dialogs::DeviceLink,
                    public forms::MouseHandler,
                    public forms::KeyHandler {
public:
    explicit Form1(const Form1Services& services);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The secondary windows reach back to this window, so they are made after
    // it and handed in before Form_Load. Without them their commands open
    // nothing.
    void setSecondaryWindows(dialogs::SecondaryWindows* windows) { secondary_ = windows; }

    engine::DeviceEngine& device() { return device_; }
    const engine::DeviceEngine& device() const { return device_; }
    bool unloaded() const { return unloaded_; }

    // ---- Start-up and shutdown (form1_load.cpp) ---------------------------
    void Form_Load();
    void Form_Unload();

    // ---- Timer1 -------------------------------------------------------------
    void Timer1_Timer();

    // ---- Popup menu and tray icon (form1_menu.cpp) --------------------------
    void mHide_Click() override;
    void mSound_Click() override;
    void mAutoShow_Click();
    void mAlwaysOnTop_Click();
    void mBack_Click() override;
    void mOptions_Click() override;
    void mInstructions_Click() override;
    void mAbout_Click() override;
    void mExit_Click();
    void popupMenu() override;

    // The tray icon's callback: a mouse move of the window itself with the
    // tray's message number in X (twips).
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    // A tray message as the platform reports it, delivered as that move.
    void trayMessage(int32_t message);
    // The window has been minimised (true) or restored (false): by the window
    // manager (its keys, the taskbar) or by showing it.
    void windowMinimised(bool minimised);

    // ---- Picture mouse and window drag (form1_mouse.cpp) --------------------
    void DoMouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void DoMouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void DoMouseUp(int16_t Button, int16_t Shift, float X, float Y);

    void mouseDown(forms::PictureElement& e, const forms::MouseArgs& a) override;
    void mouseMove(forms::PictureElement& e, const forms::MouseArgs& a) override;
    void mouseUp(forms::PictureElement& e, const forms::MouseArgs& a) override;
    void dblClick(forms::PictureElement& e) override;

    // ---- Keys ------------------------------------------------------------------
    void keyDown(int16_t keyCode, int16_t shift) override;
    void keyUp(int16_t keyCode, int16_t shift) override;

    // ---- Menu switches, for the device and the secondary windows -----------
    bool soundChecked() const override { return mSound.checked; }
    bool autoShowChecked() const override { return mAutoShow.checked; }
    bool hideChecked() const override { return mHide.checked; }
    void setSoundChecked(bool on) override { mSound.checked = on; }
    void setAutoShowChecked(bool on) override { mAutoShow.checked = on; }
    bool alwaysOnTopChecked() const override { return mAlwaysOnTop.checked; }
    void setAlwaysOnTopChecked(bool on) override { mAlwaysOnTop.checked = on; }
    void setDeviceTopmost(bool on) override;
    void DoCheckSpeed() override;
    forms::SettingsStore& settings() override { return services_.device.settings; }
    forms::Shell& shell() override { return services_.shell; }

    // ---- The popup menu ------------------------------------------------------
    forms::Menu mPopupMenu{"PopupMenu"};
    forms::MenuItem& mHide;
    forms::MenuItem& mSound;
    forms::MenuItem& mAutoShow;
    forms::MenuItem& mAlwaysOnTop;
    forms::MenuItem& mBack;
    forms::MenuItem& mSep0;
    forms::MenuItem& mOptions;
    forms::MenuItem& mInstructions;
    forms::MenuItem& mAbout;
    forms::MenuItem& mSep1;
    forms::MenuItem& mExit;

    // ---- Tray callback state ---------------------------------------------------
    int32_t Msg = 0;
    bool Busy = false;

private:
    bool canHide() const;
    // Every event into the device ends here. Only a tick that leaves the
    // device quiet until its clock's next second lets Timer1 sleep until just
    // after it; anything else may leave work for the next tick (a time to
    // redraw, a button to follow), so the interval's pace resumes.
    void armTimer1(bool afterTick);
    void runMenuItem(const forms::MenuItem& item);
    void saveSwitch(const char* key, bool on);
    void restoreLogo();
    void saveWindowPlace();
    void yieldToEvents();

    Form1Services services_;
    engine::DeviceEngine device_;
    dialogs::SecondaryWindows* secondary_ = nullptr;
    bool yielding_ = false;
    bool unloaded_ = false;
};

}  // namespace window
