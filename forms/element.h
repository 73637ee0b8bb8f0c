#pragma once

#include <cstdint>
#include <string>

#include "forms/geometry.h"
#include "forms/picture.h"

namespace forms {

class Scene;

// What a picture element does with the mouse.
enum class MouseRole : uint8_t {
    None,     // takes no mouse input: a press passes to what lies beneath
    Segment,  // an LCD segment of the device window
    Case,     // the device's front or back
    Button,   // a device button hot zone or the logo
    Store,    // a hidden picture store, never shown
};

// A picture control: a rectangle in client pixels that shows one picture when
// visible. Changes report the rectangle to the scene so that only what really
// changed is painted again.
class PictureElement {
public:
    PictureElement(Scene& scene, std::string name, int index, Rect rect);
    PictureElement(const PictureElement&) = delete;
    PictureElement& operator=(const PictureElement&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 for a single element
    std::string label() const;            // "Name" or "Name(i)"
    Rect rect() const { return rect_; }

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    const Picture* picture() const { return picture_; }
    const std::string& tooltip() const { return tooltip_; }
    MouseRole role() const { return role_; }
    int tag() const { return tag_; }  // owner-defined code (the device button of a hot zone)

    // True when this element holds exactly that picture (identity, not looks).
    bool holds(const Picture* p) const { return picture_ == p; }

    void setVisible(bool on);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    void toggleVisible() { setVisible(!visible_); }
    void setPicture(const Picture* p);
    void setEnabled(bool on) { enabled_ = on; }
    void setTooltip(std::string text) { tooltip_ = std::move(text); }
    void setRole(MouseRole role, int tag = 0) {
        role_ = role;
        tag_ = tag;
    }
    void moveTo(Point topLeft);

private:
    void changed();

    Scene& scene_;
    std::string name_;
    int index_;
    Rect rect_;
    bool visible_ = false;
    bool enabled_ = true;
    const Picture* picture_ = nullptr;
    std::string tooltip_;
    MouseRole role_ = MouseRole::None;
    int tag_ = 0;
};

}  // namespace forms
