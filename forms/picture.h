#pragma once

#include <string>

namespace forms {

// An immutable image known by its identity. The engine never looks at pixels:
// it only hands pictures from element to element and compares them by address,
// the way the device tells a pressed button from a released one. The key names
// the artwork that the painting layer renders for it.
class Picture {
public:
    Picture(std::string key, int width, int height) : key_(std::move(key)), width_(width), height_(height) {}
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    const std::string& key() const { return key_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    std::string key_;
    int width_;
    int height_;
};

}  // namespace forms
