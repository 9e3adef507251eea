#pragma once

#include "platform/frames/frame_statistics.h"
#include "report/motion_figures.h"

#include <optional>

namespace rw {

// The report's figures of a motion run: its counts and the mode's nominal
// refresh rate (0 when unknown).
MotionFigures MotionFiguresOf(const FrameCounts& counts, double nominal_hz);

// The figures of the motion image shown now; nullopt while none runs.
std::optional<MotionFigures> ShownMotionFigures();

}  // namespace rw
