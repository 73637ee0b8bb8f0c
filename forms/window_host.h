#pragma once

#include <cstdint>
#include <functional>

#include "forms/geometry.h"

namespace forms {

// The device window as a service: its position as the device's design knows
// it, its visibility, its z-order, the yield to pending events and the end of
// the program.
//
// Left and Top are twips in screen coordinates of the window as the design
// reports them: a window whose client area lies kFrameLeft pixels right of and
// kFrameTop pixels below its top-left corner (the frame that the window region
// cuts away). Our window has no frame, so only the client area exists on the
// screen; windowFrame below turns one into the other.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual float left() const = 0;
    virtual void setLeft(float twips) = 0;
    virtual float top() const = 0;
    virtual void setTop(float twips) = 0;

    // A window system may make the moves asked for late, some of a drag's
    // only after its release. Until the window stands where it was last asked
    // to go, each place the window system then shows it at is reported to
    // `placed`, for a short while at most; a new move asked for (the next
    // drag's first step), hiding the window or the next call ends that. Where
    // every move is made already, nothing is reported.
    virtual void followMoves(std::function<void()> placed) = 0;

    // Cuts the window down to a rectangle in window pixels (of the framed
    // window above): everything outside it is not shown.
    virtual void setRegion(Rect windowPixels) = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;

    // Above other windows or not: the z-order only, never the position, the
    // size or the visibility.
    virtual void setStayOnTop(bool on) = 0;

    // Dispatches every event already queued, then returns.
    virtual void processEvents() = 0;

    // Ends the program: the window closes and the event loop ends.
    virtual void quit() = 0;
};

// The frame of the design's window around its client area, in pixels.
inline constexpr int kFrameLeft = 3;
inline constexpr int kFrameTop = 22;

namespace windowFrame {

// Screen pixels are kept inside what a window system can place a window at;
// stored positions beyond that (only a store edited by hand holds them) are
// pulled to the limit instead of wrapping.
inline constexpr int32_t kMaxScreenPixel = 30000;

// The screen pixel of the client area's edge for a window edge in twips
// (whole pixels, halves to even), and back.
int32_t clientPixel(float edgeTwips, int frame);
float edgeTwips(int32_t clientPixel, int frame);

}  // namespace windowFrame

}  // namespace forms
