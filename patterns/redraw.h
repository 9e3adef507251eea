#pragma once

#include <cstdint>

namespace rw {

// The full repaint of image `pattern` of the test series (patterns/series.h):
// clears MonochromeMode, opens a session on image 0 (DrawToImage 1) or on
// window 0, selects font 0, clears the area to white, runs the image's
// procedures (for the nine with their caption), and ends the session.
// Returns non-zero when the session began; a number outside the series
// paints nothing and returns 0.
std::int64_t RedrawPattern(std::int64_t pattern);

// The repaint of a wheel turn while the one-colour area is shown: the area
// and its caption straight onto window 0, without a clear. Returns non-zero
// when the session began; if it did not, nothing (not even WheelPosition)
// changes.
std::int64_t RepaintWheelArea();

}  // namespace rw
