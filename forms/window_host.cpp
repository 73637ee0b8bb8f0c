#include "forms/window_host.h"

#include <algorithm>
#include <cmath>

#include "forms/convert.h"

namespace forms::windowFrame {

int32_t clientPixel(float edgeTwips, int frame) {
    if (!std::isfinite(edgeTwips)) return frame;  // no position to speak of: the frame's own
    const double pixels = roundHalfEven(static_cast<double>(edgeTwips) / kTwipsPerPixel) + frame;
    return static_cast<int32_t>(std::clamp(pixels, -double(kMaxScreenPixel), double(kMaxScreenPixel)));
}

float edgeTwips(int32_t clientPixel, int frame) {
    return static_cast<float>((static_cast<double>(clientPixel) - frame) * kTwipsPerPixel);
}

}  // namespace forms::windowFrame
