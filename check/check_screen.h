#pragma once

#include "check/check_steps.h"
#include "check/check_strip.h"
#include "check/check_summary.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

namespace rw {

// What window 0 shows during the check: a step's image as the series draws
// it with the question strip over it, or the summary.
class CheckScreen {
 public:
  // The motion images move as on a mode of `nominal_hz` (0: unknown).
  explicit CheckScreen(double nominal_hz = 0) : nominal_hz_(nominal_hz) {}
  ~CheckScreen();

  // Draws image `pattern` of the series anew and shows it with `strip`
  // (none: the image alone) at `side`. A motion image's frames then run
  // under the strip, after the warning before the first of them; declined,
  // its first frame stays still. Returns a thumbnail of the image as drawn,
  // without the strip (empty where the image cannot be kept).
  std::vector<std::uint8_t> ShowImage(std::int64_t pattern, StripSide side, const std::optional<StripView>& strip);

  // Shows the image last drawn again with `strip` instead of the strip it had.
  void ShowStrip(const std::optional<StripView>& strip);

  // Stops a motion image's frames; its last frame stays.
  void StopMotion();

  // Shows the summary over the whole area in font `font`.
  void ShowSummary(const SummaryView& view, std::int64_t font);

 private:
  void DrawStrip(const std::optional<StripView>& strip);
  void LayStripOverFrames(const std::optional<StripView>& strip);
  void Present();

  double nominal_hz_;
  std::int64_t pattern_ = -1;
  StripSide side_ = StripSide::Bottom;
  QImage drawn_;  // the image without the strip; null when drawn on the window
};

}  // namespace rw
