#include "app/globals.h"
#include "patterns/patterns.h"
#include "platform/drawing.h"

namespace rw {

void DrawHorizontalLines() {
  // Each line is one horizontal run, which the rasteriser fills row-wise
  // already; no direct path needed.
  for (std::int64_t y = 0; y <= ScreenHeight - 1; y += 2) DrawLine(0, y, ScreenWidth - 1, y, 0);
  LineOrientation = u"waagrecht"_qs;
}

}  // namespace rw
