#pragma once

namespace engine {

// The commands of the device window that the device itself calls, and the
// menu switches it reads. The window implements it.
class WindowCommands {
public:
    virtual ~WindowCommands() = default;
    virtual void mHide_Click() = 0;
    virtual void mSound_Click() = 0;
    virtual void mBack_Click() = 0;
    virtual void mOptions_Click() = 0;
    virtual void mInstructions_Click() = 0;
    virtual void mAbout_Click() = 0;
    // Pops up mPopupMenu at the pointer; returns when the menu has closed.
    virtual void popupMenu() = 0;

    virtual bool soundChecked() const = 0;
    virtual bool autoShowChecked() const = 0;
    virtual bool hideChecked() const = 0;
};

}  // namespace engine
