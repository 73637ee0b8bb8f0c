#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>

#include "dialogs/device_link.h"

class QGroupBox;
class QPushButton;

namespace dialogs {

// A label that works as a link: navy and underlined at rest, purple from a
// press of any mouse button to its release, which opens it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr QRgb kRestColour = 0x000080;     // navy
    static constexpr QRgb kPressedColour = 0x800080;  // purple

    LinkLabel(const QString& caption, std::function<void()> open, QWidget* parent);

    QColor textColour() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColour(QRgb colour);

    std::function<void()> open_;
};

// The About box: the title and version, the credits and three links. It reads
// the stay-on-top mark once, when it is loaded (constructed).
class Form2 : public QDialog {
    Q_OBJECT

public:
    explicit Form2(DeviceLink& link);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc

private:
    void Form_Load();
    void Command1_Click();
    void openLink(const std::string& target);

    DeviceLink& link_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    LinkLabel* Email = nullptr;
    LinkLabel* Homepage = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    LinkLabel* Handbill = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace dialogs
