#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "state/globals.h"

namespace rw {

// Black where x + y is even, white where it is odd.
void DrawCheckerboard() {
  const std::int64_t w = ScreenWidth;
  if (w <= 0) return;
  AreaRow rows[2] = {AreaRow(static_cast<std::size_t>(w)), AreaRow(static_cast<std::size_t>(w))};
  for (std::int64_t x = 0; x < w; ++x) {
    rows[0][static_cast<std::size_t>(x)] = PixelOf(x % 2 == 0 ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
    rows[1][static_cast<std::size_t>(x)] = PixelOf(x % 2 == 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0));
  }
  for (std::int64_t y = 0; y < ScreenHeight; ++y) CopyRow(rows[y % 2], y, y + 1);
}

}  // namespace rw
