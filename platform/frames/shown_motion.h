#pragma once

#include "platform/frames/frame_statistics.h"

#include <functional>
#include <optional>

namespace rw {

// The motion image on the screen now: its counts since it began and the
// nominal refresh rate of the mode it runs on (0 when unknown).
struct ShownMotion {
  FrameCounts counts;
  double nominal_hz = 0;
};

// The counts of the motion image shown now; nullopt while a still image is
// shown (or nothing at all).
std::optional<ShownMotion> ShownMotionRun();

// Whatever runs a motion image's frames names where its counts come from
// while they run, and nullptr when they stop.
void SetShownMotionSource(std::function<ShownMotion()> source);

}  // namespace rw
