#include "platform/qt/bring_to_front.h"

#include <QWidget>

namespace qtplatform {

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace qtplatform
