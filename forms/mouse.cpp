#include "forms/mouse.h"

namespace forms {

MouseArgs MouseRouter::args(const PictureElement& e, PointF p, int16_t button, int16_t shift) const {
    const Rect r = e.rect();
    return MouseArgs{button, shift, static_cast<float>((p.x - r.x) * kTwipsPerPixel),
                     static_cast<float>((p.y - r.y) * kTwipsPerPixel)};
}

void MouseRouter::press(PointF p, int16_t button, int16_t shift) {
    if (held_ & button) return;  // a press we already know of
    if (held_ == 0) captured_ = scene_.hitTest(p);
    held_ = static_cast<int16_t>(held_ | button);
    if (captured_ != nullptr) handler_.mouseDown(*captured_, args(*captured_, p, button, shift));
}

void MouseRouter::doubleClick(PointF p, int16_t button, int16_t shift) {
    if (held_ == 0) captured_ = scene_.hitTest(p);
    held_ = static_cast<int16_t>(held_ | button);
    // Only the left button's double-click is a DblClick; any other counts as a press.
    if (captured_ == nullptr) return;
    if (button == kLeftButton)
        handler_.dblClick(*captured_);
    else
        handler_.mouseDown(*captured_, args(*captured_, p, button, shift));
}

void MouseRouter::release(PointF p, int16_t button, int16_t shift) {
    if ((held_ & button) == 0) return;  // a release without its press
    held_ = static_cast<int16_t>(held_ & ~button);
    PictureElement* target = captured_;
    if (held_ == 0) captured_ = nullptr;
    if (target != nullptr) handler_.mouseUp(*target, args(*target, p, button, shift));
}

void MouseRouter::move(PointF p, int16_t shift) {
    PictureElement* target = held_ != 0 ? captured_ : scene_.hitTest(p);
    if (target != nullptr) handler_.mouseMove(*target, args(*target, p, held_, shift));
}

}  // namespace forms
