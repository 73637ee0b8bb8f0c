#pragma once

#include <QPoint>
#include <optional>

class QMouseEvent;
class QWidget;

namespace qtplatform {

// Where the window system shows a top-level window. The window's own pos()
// answers at once with the place the program last asked for, while a window
// manager may make the move late, pull it back inside the screen, or never
// make it at all. A mouse event is measured from where the window really is,
// so a window dragged by the pointer takes its edges from here: each step
// then puts the pressed point back under the pointer, whatever became of
// the moves before it.
class ShownPlace {
public:
    explicit ShownPlace(const QWidget& window) : window_(window) {}

    // A place the window system has moved the window to, as its native window
    // (QWindow) hears it. The widget hears of a move only where it differs
    // from the place last asked for, so never that a move asked for is made.
    void moved(QPoint confirmed) { shown_ = confirmed; }
    void hidden() { shown_.reset(); }
    // A mouse event of the window or of one of its children.
    void pointer(const QWidget& receiver, const QMouseEvent& e);

    // Where the window is shown; the place asked for while it is not shown,
    // or before the window system has told anything.
    QPoint topLeft() const;

private:
    const QWidget& window_;
    std::optional<QPoint> shown_;
};

}  // namespace qtplatform
