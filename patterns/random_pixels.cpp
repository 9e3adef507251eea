#include "app/globals.h"
#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/pixel_target.h"
#include "platform/drawing.h"
#include "platform/random.h"

namespace rw {

void DrawRandomPixels() {
  if (ScreenWidth <= 0 || ScreenHeight <= 0) return;
  // Both forms draw one random colour per pixel, row by row from the top and
  // each row from the left, so a seed gives the same image either way.
  if (const PixelTarget* image = PatternTarget()) {
    for (std::int64_t y = 0; y < ScreenHeight; ++y) {
      std::uint32_t* row = image->Row(static_cast<std::int32_t>(y));
      for (std::int64_t x = 0; x < ScreenWidth; ++x) row[x] = PixelOf(Random(0xFFFFFF));
    }
    return;
  }
  for (std::int64_t y = 0; y <= ScreenHeight - 1; ++y) {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; ++x) Plot(x, y, Random(0xFFFFFF));
  }
}

}  // namespace rw
