#pragma once

#include <QPointer>

#include "dialogs/device_link.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"

namespace dialogs {

// The three secondary windows as Qt windows. Each is loaded when it is opened
// and unloaded when it is closed; while open, opening it again only brings the
// same window to the front, back from minimised too.
class SecondaryWindowsQt : public SecondaryWindows {
public:
    explicit SecondaryWindowsQt(DeviceLink& link);
    ~SecondaryWindowsQt() override;
    SecondaryWindowsQt(const SecondaryWindowsQt&) = delete;
    SecondaryWindowsQt& operator=(const SecondaryWindowsQt&) = delete;

    void showOptions() override;
    void showInstructions() override;
    void showAbout() override;
    void makeInstructionsTopmost() override;
    void closeAll() override;

    // The open windows, or null.
    Form3* options() const { return options_; }
    Form4* instructions() const { return instructions_; }
    Form2* about() const { return about_; }

private:
    DeviceLink& link_;
    QPointer<Form3> options_;
    QPointer<Form4> instructions_;
    QPointer<Form2> about_;
};

}  // namespace dialogs
