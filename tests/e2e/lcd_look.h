#pragma once

// How a screenshot tells a lit LCD segment from an unlit one: the one place
// to change when the artwork changes. Lit segments are dark on the grey-green
// LCD; the faint ghost outlines of unlit ones stay lighter than the threshold.

namespace e2e::look {

// A pixel with a luminance (0 black .. 255 white) below this belongs to a lit
// segment.
inline constexpr double kDarkLuminance = 100.0;

// An element is lit when at least this share of its rectangle is dark...
inline constexpr double kLitShare = 0.10;

// ...and unlit when at most this share is.
inline constexpr double kUnlitShare = 0.02;

}  // namespace e2e::look
