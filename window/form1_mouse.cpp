// The mouse on the device window's pictures: the device buttons go to the
// device; the LCD segments and the case drag the window, open the menu and
// turn the device over.
#include <algorithm>
#include <limits>

#include "forms/convert.h"
#include "window/form1.h"

namespace window {

namespace {

using forms::MouseRole;

// A press point in twips as an Integer: nearest whole number, halves to even.
int16_t toInteger(float twips) {
    const double r = forms::roundHalfEven(static_cast<double>(twips));
    return static_cast<int16_t>(
        std::clamp(r, double(std::numeric_limits<int16_t>::min()), double(std::numeric_limits<int16_t>::max())));
}

// One axis of a drag step: the pointer's offset from the press point added to
// the window's edge, in double precision and rounded once to single.
float dragged(float pointer, int16_t pressedAt, float edge) {
    return static_cast<float>(static_cast<double>(pointer) - static_cast<double>(pressedAt) +
                              static_cast<double>(edge));
}

}  // namespace

void Form1::DoMouseDown(int16_t Button, int16_t, float X, float Y) {
    if (Button == forms::kLeftButton) {
        // A press while a drag is under way (its release never came) just
        // takes the new point.
        device_.Dragging = true;
        device_.DragX = toInteger(X);
        device_.DragY = toInteger(Y);
    } else if (Button == forms::kRightButton && device_.PressedButton == engine::ButtonNone) {
        popupMenu();
    }
}

void Form1::DoMouseMove(int16_t Button, int16_t, float X, float Y) {
    // The left button alone drags; with the right one too it does not.
    if (Button != forms::kLeftButton || !device_.Dragging) return;
    forms::WindowHost& host = services_.host;
    // Each edge is read afresh: a step nested in the yield below has moved
    // the window already.
    host.setLeft(dragged(X, device_.DragX, host.left()));
    host.setTop(dragged(Y, device_.DragY, host.top()));
    yieldToEvents();
}

void Form1::DoMouseUp(int16_t Button, int16_t, float, float) {
    if (Button != forms::kLeftButton || !device_.Dragging) return;
    device_.Dragging = false;
    saveWindowPlace();
    // The window system may make the drag's last moves after the release: the
    // place kept is where the window comes to rest.
    services_.host.followMoves([this] { saveWindowPlace(); });
}

void Form1::saveWindowPlace() {
    services_.device.settings.write("Left", forms::singleText(services_.host.left()));
    services_.device.settings.write("Top", forms::singleText(services_.host.top()));
}

void Form1::yieldToEvents() {
    // The queued events include further moves, each a drag step that would
    // yield in its turn; one level of yield dispatches them all, so a steady
    // stream of moves cannot nest without end.
    if (yielding_) return;
    yielding_ = true;
    services_.host.processEvents();
    yielding_ = false;
}

void Form1::restoreLogo() {
    const forms::Picture* normal = device_.VistrelLogo[0]->picture();
    if (!device_.Logo->holds(normal)) device_.Logo->setPicture(normal);
}

void Form1::mouseDown(forms::PictureElement& e, const forms::MouseArgs& a) {
    if (unloaded_) return;
    switch (e.role()) {
        case MouseRole::Button: device_.ButtonMouseDown(static_cast<int16_t>(e.tag()), a.button); break;
        case MouseRole::Segment:
            // A segment opens the menu for any other button, whatever is held.
            if (a.button == forms::kLeftButton)
                DoMouseDown(a.button, a.shift, a.x, a.y);
            else
                popupMenu();
            break;
        case MouseRole::Case: DoMouseDown(a.button, a.shift, a.x, a.y); break;
        case MouseRole::None:
        case MouseRole::Store: break;
    }
    armTimer1(false);
}

void Form1::mouseMove(forms::PictureElement& e, const forms::MouseArgs& a) {
    if (unloaded_) return;
    switch (e.role()) {
        case MouseRole::Button:
            // Of the hot zones only the logo follows the pointer.
            if (e.tag() == engine::ButtonLogo) device_.Logo_MouseMove(a.button);
            break;
        case MouseRole::Segment:
            if (a.button == forms::kLeftButton) DoMouseMove(a.button, a.shift, a.x, a.y);
            break;
        case MouseRole::Case:
            // The bare case with no button held takes back the logo's hover look.
            if (a.button != 0)
                DoMouseMove(a.button, a.shift, a.x, a.y);
            else
                restoreLogo();
            break;
        case MouseRole::None:
        case MouseRole::Store: break;
    }
    armTimer1(false);
}

void Form1::mouseUp(forms::PictureElement& e, const forms::MouseArgs& a) {
    if (unloaded_) return;
    switch (e.role()) {
        case MouseRole::Button: device_.ButtonMouseUp(static_cast<int16_t>(e.tag()), a.button); break;
        case MouseRole::Segment:
        case MouseRole::Case: DoMouseUp(a.button, a.shift, a.x, a.y); break;
        case MouseRole::None:
        case MouseRole::Store: break;
    }
    armTimer1(false);
}

void Form1::dblClick(forms::PictureElement& e) {
    if (unloaded_) return;
    if (e.role() == MouseRole::Segment || e.role() == MouseRole::Case) mBack_Click();
    armTimer1(false);
}

}  // namespace window
