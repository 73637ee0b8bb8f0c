#include "platform/qt/device_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <chrono>

#include "platform/qt/bring_to_front.h"
#include "platform/qt/key_map.h"

namespace qtplatform {

namespace {

forms::PointF clientPoint(const QMouseEvent* e) {
    return forms::PointF{e->position().x(), e->position().y()};
}

QRect toQRect(forms::Rect r) {
    return QRect(r.x, r.y, r.width, r.height);
}

// The screen pixels a repaint of r covers: Qt rounds each edge to the nearest.
QRect screenPixels(QRect r, qreal dpr) {
    const auto edge = [dpr](int logical) { return qRound(logical * dpr); };
    return QRect(QPoint(edge(r.left()), edge(r.top())), QPoint(edge(r.x() + r.width()), edge(r.y() + r.height())))
        .adjusted(0, 0, -1, -1);
}

}  // namespace

DeviceWidget::DeviceWidget(PictureRenderer& renderer, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), renderer_(renderer) {
    setWindowTitle("Drellok");
    setWindowIcon(PictureRenderer::icon());
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);  // the logo's hover and the case's restore need moves with no button held
    setFocusPolicy(Qt::StrongFocus);
    // The native window exists from the start, so that stay-on-top is always
    // changed on it, never by re-creating a shown window.
    winId();
}

void DeviceWidget::attach(forms::Scene& scene, forms::MouseHandler& mouse, forms::KeyHandler& keys,
                          std::function<void()> onClose, std::function<void(bool)> onMinimised) {
    scene_ = &scene;
    mouseHandler_ = &mouse;
    keys_ = &keys;
    onClose_ = std::move(onClose);
    onMinimised_ = std::move(onMinimised);
    router_.emplace(scene, mouse);
    renderer_.renderAll(scene);
    scene.takeDirty();
    update();
}

void DeviceWidget::flushDirty() {
    if (scene_ == nullptr) return;
    for (const forms::Rect& r : scene_->takeDirty()) update(toQRect(r));
}

// ---- Painting -------------------------------------------------------------------

void DeviceWidget::paintEvent(QPaintEvent* e) {
    if (scene_ == nullptr) return;
    QPainter painter(this);
    // Drawn in screen pixels. At a fractional scale a picture placed in
    // logical pixels ends between screen pixels, and Qt rounds that edge one
    // way when the repainted area is one rectangle and the other way when it
    // is several: a small repaint drew a picture one screen pixel narrower or
    // shorter than a full one. Each picture now covers the screen pixels its
    // rectangle's repaint covers, one pixmap pixel on one screen pixel.
    const qreal dpr = painter.deviceTransform().m11();  // Qt's scale from logical to screen pixels
    painter.scale(1 / dpr, 1 / dpr);
    const QRect area = e->rect();
    for (const forms::PictureElement* element : scene_->bottomToTop()) {
        if (!element->visible() || element->picture() == nullptr) continue;
        const forms::Picture& picture = *element->picture();
        // Each picture at its own size, cut to its element like a picture box.
        const QRect target =
            toQRect(element->rect()) & QRect(element->rect().x, element->rect().y, picture.width(), picture.height());
        if (!target.intersects(area)) continue;
        const QPixmap& pixmap = renderer_.pixmap(picture);
        const QRect onScreen = screenPixels(target, dpr);
        // The pixmap is made for this screen; one rendered for another ratio is scaled.
        const qreal toPixmap = pixmap.devicePixelRatio() / dpr;
        const QSizeF shown = QSizeF(onScreen.size()).boundedTo(QSizeF(pixmap.size()) / toPixmap);
        painter.drawPixmap(QRectF(onScreen.topLeft(), shown), pixmap, QRectF(QPointF(0, 0), shown * toPixmap));
    }
}

// ---- Mouse ----------------------------------------------------------------------

void DeviceWidget::forgetLostButtons(int16_t heldNow) {
    if ((router_->buttonsHeld() & ~heldNow) != 0) router_.emplace(*scene_, *mouseHandler_);
}

void DeviceWidget::mousePressEvent(QMouseEvent* e) {
    shown_.pointer(*this, *e);
    const int16_t button = mouseButton(e->button());
    if (!router_ || button == 0) return;
    // The button going down was up before this press, whatever the router
    // believes: its last release may have gone to a popup menu.
    forgetLostButtons(static_cast<int16_t>(mouseButtons(e->buttons()) & ~button));
    router_->press(clientPoint(e), button, shiftState(e->modifiers()));
    flushDirty();
}

void DeviceWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    shown_.pointer(*this, *e);
    // Qt sends this in place of the second press.
    const int16_t button = mouseButton(e->button());
    if (!router_ || button == 0) return;
    forgetLostButtons(static_cast<int16_t>(mouseButtons(e->buttons()) & ~button));
    router_->doubleClick(clientPoint(e), button, shiftState(e->modifiers()));
    flushDirty();
}

void DeviceWidget::mouseReleaseEvent(QMouseEvent* e) {
    shown_.pointer(*this, *e);
    const int16_t button = mouseButton(e->button());
    if (!router_ || button == 0) return;
    forgetLostButtons(static_cast<int16_t>(mouseButtons(e->buttons()) | button));
    router_->release(clientPoint(e), button, shiftState(e->modifiers()));
    flushDirty();
}

void DeviceWidget::mouseMoveEvent(QMouseEvent* e) {
    shown_.pointer(*this, *e);
    if (!router_) return;
    forgetLostButtons(mouseButtons(e->buttons()));
    router_->move(clientPoint(e), shiftState(e->modifiers()));
    flushDirty();
}

// ---- Keys -------------------------------------------------------------------------

auto DeviceWidget::findHeld(const QKeyEvent& e, int16_t code) -> std::vector<HeldKey>::iterator {
    // Known by its place where the platform tells it: a layout switch while
    // the key is held changes the key it maps to, never its place.
    const quint32 scanCode = e.nativeScanCode();
    return std::find_if(keysDown_.begin(), keysDown_.end(), [&](const HeldKey& k) {
        return scanCode != 0 && k.scanCode != 0 ? k.scanCode == scanCode : k.code == code;
    });
}

void DeviceWidget::keyPressEvent(QKeyEvent* e) {
    if (keys_ == nullptr) return;
    int16_t code = virtualKey(*e);
    const auto held = findHeld(*e, code);
    // A held key repeats as key-downs only, as on the device's platform. A
    // keystroke that began elsewhere (an item chosen in the popup menu, a
    // window that closed on the key) is not this window's: neither its
    // repeats nor its release reach the device.
    if (e->isAutoRepeat()) {
        if (held == keysDown_.end()) return;
        code = held->code;  // as it went down, whatever the layout maps it to now
    } else if (held != keysDown_.end()) {
        held->code = code;  // down again with no release seen: this is what the device saw go down
    } else {
        keysDown_.push_back(HeldKey{e->nativeScanCode(), code});
    }
    keys_->keyDown(code, shiftState(e->modifiers()));
    flushDirty();
}

void DeviceWidget::keyReleaseEvent(QKeyEvent* e) {
    if (keys_ == nullptr || e->isAutoRepeat()) return;
    const auto held = findHeld(*e, virtualKey(*e));
    if (held == keysDown_.end()) return;
    // The code that went down, whatever the layout now makes of the key: one
    // that maps to a window command would run it and leave the button held.
    const int16_t code = held->code;
    keysDown_.erase(held);
    keys_->keyUp(code, shiftState(e->modifiers()));
    flushDirty();
}

// ---- Tooltips and closing ------------------------------------------------------

bool DeviceWidget::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::ToolTip: showToolTip(static_cast<QHelpEvent*>(e)); return true;
        case QEvent::Show:
            // The native window hears of every move the window system makes;
            // this widget only of those that differ from the place asked for.
            // Installing again changes nothing.
            if (QWindow* window = windowHandle()) window->installEventFilter(this);
            break;
        case QEvent::Hide:
            shown_.hidden();
            following_ = nullptr;
            break;
        default: break;
    }
    return QWidget::event(e);
}

bool DeviceWidget::eventFilter(QObject* watched, QEvent* e) {
    // Only the window system's own moves: the program's arrive as plain events, and at once.
    if (e->type() == QEvent::Move && watched == windowHandle() && e->spontaneous()) {
        shown_.moved(static_cast<QMoveEvent*>(e)->pos());
        moveMade();
    }
    return QWidget::eventFilter(watched, e);
}

void DeviceWidget::changeEvent(QEvent* e) {
    // The window manager's minimise and restore (a key, the taskbar) come
    // here as well as the program's own.
    if (e->type() == QEvent::WindowStateChange && onMinimised_) {
        const bool wasMinimised = static_cast<QWindowStateChangeEvent*>(e)->oldState().testFlag(Qt::WindowMinimized);
        if (isMinimized() != wasMinimised) onMinimised_(isMinimized());
    }
    QWidget::changeEvent(e);
}

void DeviceWidget::showToolTip(QHelpEvent* e) {
    const forms::PictureElement* element =
        scene_ != nullptr ? scene_->topmostAt(forms::PointF{double(e->pos().x()), double(e->pos().y())}) : nullptr;
    if (element == nullptr || element->tooltip().empty()) {
        QToolTip::hideText();
        e->ignore();
        return;
    }
    QToolTip::showText(e->globalPos(), QString::fromStdString(element->tooltip()), this, toQRect(element->rect()));
}

void DeviceWidget::closeEvent(QCloseEvent* e) {
    e->accept();
    if (!quitting_ && onClose_) onClose_();
}

// ---- forms::WindowHost -------------------------------------------------------------

float DeviceWidget::left() const {
    return forms::windowFrame::edgeTwips(shown_.topLeft().x(), forms::kFrameLeft);
}

float DeviceWidget::top() const {
    return forms::windowFrame::edgeTwips(shown_.topLeft().y(), forms::kFrameTop);
}

void DeviceWidget::setLeft(float twips) {
    place(forms::windowFrame::clientPixel(twips, forms::kFrameLeft), geometry().y());
}

void DeviceWidget::setTop(float twips) {
    place(geometry().x(), forms::windowFrame::clientPixel(twips, forms::kFrameTop));
}

void DeviceWidget::followMoves(std::function<void()> placed) {
    // Long enough for a window manager that stalls a moment (most of a second
    // has been seen), short enough that its own later moves are not taken for
    // the ones asked for. Checked as moves come: no timer wakes the program.
    constexpr std::chrono::milliseconds kFollowFor{2000};
    following_ = shown_.topLeft() != asked_ ? std::move(placed) : nullptr;
    followingUntil_.setRemainingTime(kFollowFor);
}

void DeviceWidget::moveMade() {
    if (!following_) return;
    if (followingUntil_.hasExpired()) {
        following_ = nullptr;
        return;
    }
    following_();
    if (shown_.topLeft() == asked_) following_ = nullptr;  // every move made
}

void DeviceWidget::place(int x, int y) {
    // The moves still to come are no longer where the window is to rest. A
    // press alone (a click on a button, a right click) leaves them followed.
    following_ = nullptr;
    asked_ = QPoint(x, y);
    move(x, y);
    // Told explicitly, even where the window already is (a new window sits at
    // 0, 0): otherwise the window manager takes the position for a default
    // and places the window where it likes.
    if (QWindow* window = windowHandle()) window->setPosition(x, y);
}

void DeviceWidget::setRegion(forms::Rect windowPixels) {
    // Window pixels of the framed window; the frame is not there.
    const QRect region(windowPixels.x - forms::kFrameLeft, windowPixels.y - forms::kFrameTop, windowPixels.width,
                       windowPixels.height);
    if (region.contains(rect()))
        clearMask();  // nothing to cut away
    else
        setMask(QRegion(region & rect()));
}

void DeviceWidget::show() {
    bringToFront(*this);
}

void DeviceWidget::hide() {
    QWidget::hide();
}

void DeviceWidget::setStayOnTop(bool on) {
    if (QWindow* window = windowHandle()) {
        // In place: QWidget::setWindowFlag would re-create the native window
        // and leave it hidden.
        window->setFlag(Qt::WindowStaysOnTopHint, on);
        overrideWindowFlags(on ? windowFlags() | Qt::WindowStaysOnTopHint : windowFlags() & ~Qt::WindowStaysOnTopHint);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}

void DeviceWidget::processEvents() {
    QCoreApplication::processEvents();
}

void DeviceWidget::quit() {
    quitting_ = true;
    close();
    // Queued, so that it also ends a program whose loop has not started yet
    // and never cuts the handler that asked for it short.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace qtplatform
