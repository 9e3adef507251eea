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
  // Draws image `pattern` of the series anew and shows it with `strip`
  // (none: the image alone) at `side`. Returns a thumbnail of the image as
  // drawn, without the strip (empty where the image cannot be kept).
  std::vector<std::uint8_t> ShowImage(std::int64_t pattern, StripSide side, const std::optional<StripView>& strip);

  // Shows the image last drawn again with `strip` instead of the strip it had.
  void ShowStrip(const std::optional<StripView>& strip);

  // Shows the summary over the whole area in font `font`.
  void ShowSummary(const SummaryView& view, std::int64_t font);

 private:
  void DrawStrip(const std::optional<StripView>& strip);
  void Present();

  std::int64_t pattern_ = -1;
  StripSide side_ = StripSide::Bottom;
  QImage drawn_;  // the image without the strip; null when drawn on the window
};

}  // namespace rw
