#pragma once

#include <cstdint>

#include "forms/element.h"
#include "forms/scene.h"

namespace forms {

// Mouse button values as the device's handlers receive them.
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

// Modifier bits of Shift.
inline constexpr int16_t kShiftMask = 1;
inline constexpr int16_t kCtrlMask = 2;
inline constexpr int16_t kAltMask = 4;

// One pointer event as a picture element's handler receives it. For a press or
// release Button is the button that changed; for a move, the sum of the buttons
// held. X and Y are twips relative to the element's top-left corner.
struct MouseArgs {
    int16_t button = 0;
    int16_t shift = 0;
    float x = 0;
    float y = 0;
};

class MouseHandler {
public:
    virtual ~MouseHandler() = default;
    virtual void mouseDown(PictureElement& e, const MouseArgs& a) = 0;
    virtual void mouseMove(PictureElement& e, const MouseArgs& a) = 0;
    virtual void mouseUp(PictureElement& e, const MouseArgs& a) = 0;
    virtual void dblClick(PictureElement& e) = 0;
};

// Turns the raw pointer events of a window into element events: the element
// that gets a press captures every further event until no button is held, and
// a double-click arrives as press, release, double-click, release.
class MouseRouter {
public:
    MouseRouter(Scene& scene, MouseHandler& handler) : scene_(scene), handler_(handler) {}

    // Positions are client pixels (fractions allowed).
    void press(PointF p, int16_t button, int16_t shift);
    void release(PointF p, int16_t button, int16_t shift);
    void move(PointF p, int16_t shift);
    // The second press of a double-click: the platform sends this in place of
    // the press. The release that follows arrives through release().
    void doubleClick(PointF p, int16_t button, int16_t shift);

    int16_t buttonsHeld() const { return held_; }
    PictureElement* captured() const { return captured_; }

private:
    MouseArgs args(const PictureElement& e, PointF p, int16_t button, int16_t shift) const;

    Scene& scene_;
    MouseHandler& handler_;
    PictureElement* captured_ = nullptr;
    int16_t held_ = 0;
};

}  // namespace forms
