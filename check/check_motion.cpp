#include "check/check_motion.h"

#include "platform/frames/shown_motion.h"

namespace rw {

MotionFigures MotionFiguresOf(const FrameCounts& counts, double nominal_hz) {
  MotionFigures figures;
  figures.measured_hz = counts.measured_hz;
  figures.nominal_hz = nominal_hz;
  figures.frames = counts.frames;
  figures.missed = counts.missed;
  figures.discarded = counts.discarded;
  switch (counts.source) {
    case TimeSource::Hardware: figures.time_source = "hardware"; break;
    case TimeSource::Compositor: figures.time_source = "compositor"; break;
    case TimeSource::Timer: figures.time_source = "timer"; break;
  }
  return figures;
}

std::optional<MotionFigures> ShownMotionFigures() {
  const std::optional<ShownMotion> shown = ShownMotionRun();
  if (!shown) return std::nullopt;
  return MotionFiguresOf(shown->counts, shown->nominal_hz);
}

}  // namespace rw
