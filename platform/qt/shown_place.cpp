#include "platform/qt/shown_place.h"

#include <QMouseEvent>
#include <QWidget>

namespace qtplatform {

void ShownPlace::pointer(const QWidget& receiver, const QMouseEvent& e) {
    // The pointer on the screen less the pointer in the window.
    shown_ = (e.globalPosition() - QPointF(receiver.mapTo(&window_, QPoint(0, 0))) - e.position()).toPoint();
}

QPoint ShownPlace::topLeft() const {
    return shown_ && window_.isVisible() ? *shown_ : window_.pos();
}

}  // namespace qtplatform
