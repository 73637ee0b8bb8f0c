#pragma once

#include <QIcon>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "forms/services.h"

namespace qtplatform {

// The device's icon in the desktop's tray. Its clicks reach the device window
// as the tray messages of the device's design: a left double-click as 0x203,
// a right click as 0x205; nothing else is reported. It has no menu of its
// own: the device window pops up its menu. Without a tray host there is no
// icon, and nothing fails.
class QtTrayIcon final : public forms::TrayIcon {
public:
    static constexpr int32_t kLeftDoubleClick = 0x203;
    static constexpr int32_t kRightButtonUp = 0x205;

    explicit QtTrayIcon(QIcon icon) : icon_(std::move(icon)) {}
    QtTrayIcon(const QtTrayIcon&) = delete;
    QtTrayIcon& operator=(const QtTrayIcon&) = delete;

    void setOnMessage(std::function<void(int32_t)> onMessage) { onMessage_ = std::move(onMessage); }

    void add(const std::string& tip) override;
    void remove() override;
    bool available() const override;
    bool isAdded() const { return tray_ && tray_->isVisible(); }
    QString toolTip() const { return tray_ ? tray_->toolTip() : QString(); }

    // The tray message of an activation; 0 for one that means nothing here.
    static int32_t messageFor(QSystemTrayIcon::ActivationReason reason);
    // Reports an activation as the tray host would.
    void activate(QSystemTrayIcon::ActivationReason reason);

private:
    QIcon icon_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::function<void(int32_t)> onMessage_;
};

}  // namespace qtplatform
