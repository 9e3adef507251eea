#pragma once

#include "patterns/motion_layout.h"
#include "platform/base/text.h"
#include "platform/raster/pixel_target.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rw {

// The two images of the series that move: each frame n is a function of
// the area, the refresh rate and n alone, below a status strip that says
// how the frames are going.
enum class MotionImage { Motion, FrameSequence };

// The motion image that image `pattern` of the series is; nullopt for a
// still image or a number outside the series.
std::optional<MotionImage> MotionImageOf(std::int64_t pattern);

// The frame that the series' painters draw (DrawMotion, DrawFrameSequence):
// its number and the refresh rate it moves at. Frame 0 at 60 Hz until set.
void SetMotionFrame(std::int64_t frame, double refresh_hz);
std::int64_t MotionFrameNumber();
double MotionRefreshHz();

// The status strip's text, white on black at (4, 6) and cut at the strip's
// last row; empty (a black strip) until set. Each change counts up the
// version that PaintMotionFrame compares.
void SetMotionStatus(const Text& status);
std::int64_t MotionStatusVersion();

// What a buffer that frames are painted into holds: frame number and status
// version, -1 for pixels that are unknown.
struct HeldFrame {
  std::int64_t frame = -1;
  std::int64_t status_version = -1;
};

// Brings `target`, a whole drawing area that holds `held` of the same
// image, rate and size, to frame `frame` with the current status text, and
// updates `held`. Paints only what differs: the squares' old and new
// places, or the two boxes and the strip that changed, and the status strip
// when its text did. Returns the rectangles it wrote. The status text is
// drawn in a session of its own on a strip that is kept between frames;
// while another session is open the strip stays as it is.
std::vector<AreaRect> PaintMotionFrame(MotionImage image, const PixelTarget& target, double refresh_hz,
                                       HeldFrame& held, std::int64_t frame);

// The rectangles of a w x h area in which frame `to` differs from frame
// `from` of the same image and rate (the whole area when `from` is
// unknown): the squares' places in both, or the boxes lit in both and the
// strip, and the status strip when its versions differ.
std::vector<AreaRect> MotionFrameDifferences(MotionImage image, std::int64_t w, std::int64_t h, double refresh_hz,
                                             const HeldFrame& from, const HeldFrame& to);

}  // namespace rw
