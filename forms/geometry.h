#pragma once

#include <cstdint>

namespace forms {

// Twips are the device's unit of length: 15 to the pixel.
inline constexpr int kTwipsPerPixel = 15;

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
    double x = 0;
    double y = 0;
};

struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t right() const { return x + width; }    // exclusive
    int32_t bottom() const { return y + height; }  // exclusive
    bool contains(PointF p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
    bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
    bool empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace forms
