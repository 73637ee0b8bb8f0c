#pragma once

#include <QDeadlineTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "forms/keys.h"
#include "forms/mouse.h"
#include "forms/scene.h"
#include "forms/window_host.h"
#include "platform/qt/picture_renderer.h"
#include "platform/qt/shown_place.h"

class QHelpEvent;

namespace qtplatform {

// The device window: a frameless top-level widget of exactly the device's
// 333 x 198 pixels that paints the shown pictures of the device's scene bottom
// to top, feeds the mouse to the pictures and the keys to the device, and is
// the window host of the device window's logic.
//
// Painting follows the scene: flushDirty() asks Qt to repaint exactly the
// rectangles that changed since the last call. It runs after every event of
// this widget; whoever runs the device outside them (the tick, the tray) calls
// it afterwards.
class DeviceWidget : public QWidget, public forms::WindowHost {
    Q_OBJECT
public:
    // The device's client area, in pixels.
    static constexpr int kWidth = 333;
    static constexpr int kHeight = 198;

    explicit DeviceWidget(PictureRenderer& renderer, QWidget* parent = nullptr);

    // The device to show and whom its input goes to; onClose runs when the
    // window system closes the window (the program's end is up to it), and
    // onMinimised when the window is minimised (true) or restored (false),
    // by the window manager or by show().
    void attach(forms::Scene& scene, forms::MouseHandler& mouse, forms::KeyHandler& keys, std::function<void()> onClose,
                std::function<void(bool minimised)> onMinimised);

    void flushDirty();

    // Where the window system shows the window (the pointer is measured from there).
    const ShownPlace& shownPlace() const { return shown_; }

    // ---- forms::WindowHost ---------------------------------------------------
    // Left and Top are where the window system shows the window (see
    // ShownPlace); a move asked for counts once it is made.
    float left() const override;
    void setLeft(float twips) override;
    float top() const override;
    void setTop(float twips) override;
    void followMoves(std::function<void()> placed) override;
    void setRegion(forms::Rect windowPixels) override;
    void show() override;
    void hide() override;
    bool isVisible() const override { return QWidget::isVisible(); }
    void setStayOnTop(bool on) override;
    void processEvents() override;
    void quit() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab is a key of the device

private:
    // The router believes buttons held that Qt no longer has down (a popup
    // menu took their release): start it afresh, as the platform would.
    void forgetLostButtons(int16_t heldNow);
    // A key pressed in this window and not yet released here: its place on
    // the keyboard (0 where the platform gives none) and the code the device
    // got. It is kept while another window has the keyboard, so that its
    // release here, however late, frees the button it holds.
    struct HeldKey {
        quint32 scanCode;
        int16_t code;
    };
    std::vector<HeldKey>::iterator findHeld(const QKeyEvent& e, int16_t code);
    void showToolTip(QHelpEvent* e);
    void place(int x, int y);
    // The window system has shown the window at a new place.
    void moveMade();

    PictureRenderer& renderer_;
    forms::Scene* scene_ = nullptr;
    forms::MouseHandler* mouseHandler_ = nullptr;
    forms::KeyHandler* keys_ = nullptr;
    std::optional<forms::MouseRouter> router_;
    std::function<void()> onClose_;
    std::function<void(bool)> onMinimised_;
    std::vector<HeldKey> keysDown_;
    ShownPlace shown_{*this};
    QPoint asked_;                     // where the window was last asked to go
    std::function<void()> following_;  // see followMoves()
    QDeadlineTimer followingUntil_;
    bool quitting_ = false;
};

}  // namespace qtplatform
