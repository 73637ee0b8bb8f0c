#pragma once

#include <QDialog>
#include <array>

#include "dialogs/device_link.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace dialogs {

// The Options dialog: the three speeds, the sound switch, showing the device
// window at the alarm and keeping it on top. Modeless; it is loaded (reading
// its values) when constructed and unloaded (deleted) when closed.
class Form3 : public QDialog {
    Q_OBJECT

public:
    explicit Form3(DeviceLink& link);

    // The scroll bars run from 0 (slow) to this (fast); a speed S in
    // milliseconds shows as the value Max - S + 1.
    static constexpr int kMax = 440;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc

private:
    // One speed row: its scroll bar, its label and the setting it edits.
    struct SpeedRow {
        QScrollBar* bar = nullptr;
        QLabel* label = nullptr;
        const char* key = nullptr;
        const char* prefix = nullptr;
        int defaultValue = 0;  // the first-start speed as a scroll value
        int pressValue = 0;    // the value when the thumb was taken
    };

    void buildControls();
    void Form_Load();
    void Form_Unload();
    void HScroll_Change(SpeedRow& row);
    void HScroll_Scroll(SpeedRow& row);
    void writeLabel(SpeedRow& row);
    void SoundOn_Click();
    void SoundOff_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    DeviceLink& link_;

    QGroupBox* Frame1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QScrollBar* HScroll3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* SoundOn = nullptr;
    QRadioButton* SoundOff = nullptr;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QLabel* GameASpeed = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* GameBSpeed = nullptr;
    QLabel* DiverSpeed = nullptr;

    std::array<SpeedRow, 3> rows_;
};

}  // namespace dialogs
