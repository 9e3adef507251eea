#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/raster/drawing.h"
#include "state/globals.h"

#include <algorithm>

namespace rw {

void DrawHorizontalLines() {
  if (const PixelTarget* image = PatternTarget()) {
    // Black even rows, and the white ground on the odd ones written again so
    // that the redraw need not clear first.
    for (std::int64_t y = 0; y < ScreenHeight; ++y) {
      std::uint32_t* row = image->Row(static_cast<std::int32_t>(y));
      std::fill(row, row + ScreenWidth, y % 2 == 0 ? PixelOf(0) : PixelOf(0xFFFFFF));
    }
  } else {
    for (std::int64_t y = 0; y <= ScreenHeight - 1; y += 2) DrawLine(0, y, ScreenWidth - 1, y, 0);
  }
  LineOrientation = u"waagrecht"_qs;
}

}  // namespace rw
