#include "platform/qt/qt_tray_icon.h"

namespace qtplatform {

int32_t QtTrayIcon::messageFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::DoubleClick: return kLeftDoubleClick;
        case QSystemTrayIcon::Context: return kRightButtonUp;
        default: return 0;  // a single click (Trigger), the middle button
    }
}

void QtTrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    const int32_t message = messageFor(reason);
    if (message != 0 && onMessage_) onMessage_(message);
}

void QtTrayIcon::add(const std::string& tip) {
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(icon_);
        // Delivered once the icon's own event is over, as the tray's messages
        // come in the queue: a command such as Exit may take the icon away.
        QSystemTrayIcon* icon = tray_.get();
        QObject::connect(icon, &QSystemTrayIcon::activated, [this, icon](QSystemTrayIcon::ActivationReason reason) {
            QMetaObject::invokeMethod(
                icon, [this, reason] { activate(reason); }, Qt::QueuedConnection);
        });
    }
    tray_->setToolTip(QString::fromStdString(tip));
    // Shown whether or not a tray host runs now: Qt docks the icon when one appears.
    tray_->show();
}

bool QtTrayIcon::available() const {
    // Asked anew each time: Qt notices a tray host that starts later.
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::remove() {
    if (tray_) tray_->hide();
}

}  // namespace qtplatform
