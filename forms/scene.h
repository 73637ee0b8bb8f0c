#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "forms/element.h"

namespace forms {

// All picture elements of one window, in stacking order, with the pictures
// they can hold. Tracks the rectangles that changed since the last paint.
class Scene {
public:
    Scene(int width, int height) : width_(width), height_(height) {}
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Elements are added from the top of the stack downwards: each new one
    // lies below every element added before it.
    PictureElement& addBelow(std::string name, int index, Rect rect);

    // Pictures live as long as the scene; their addresses are their identity.
    const Picture& addPicture(std::string key, int width, int height);

    PictureElement* find(const std::string& name, int index = -1) const;
    const std::vector<PictureElement*>& bottomToTop() const { return bottomToTop_; }
    std::vector<const Picture*> pictures() const;

    // The topmost shown, enabled element under p that takes the mouse
    // (role other than None and Store). Null when there is none.
    PictureElement* hitTest(PointF p) const;
    // The topmost shown, enabled element under p, whatever its role (tooltips).
    PictureElement* topmostAt(PointF p) const;

    // Rectangles (clipped to the scene) whose painting changed since the last call.
    std::vector<Rect> takeDirty();
    bool hasDirty() const { return !dirty_.empty(); }
    void markDirty(Rect r);

private:
    int width_;
    int height_;
    std::vector<std::unique_ptr<PictureElement>> elements_;  // top first
    std::vector<PictureElement*> bottomToTop_;
    std::deque<Picture> pictures_;
    std::vector<Rect> dirty_;
};

}  // namespace forms
