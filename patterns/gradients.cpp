#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "state/globals.h"

namespace rw {

// Four bands from dark to full, left to right: grey, red, green, blue; in
// column x the level is x·256 ÷ width.
void DrawGradients() {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  if (w <= 0 || h <= 0) return;
  constexpr Colour kBandUnit[4] = {Rgb(1, 1, 1), Rgb(1, 0, 0), Rgb(0, 1, 0), Rgb(0, 0, 1)};
  AreaRow row(static_cast<std::size_t>(w));
  for (std::int64_t band = 0; band < 4; ++band) {
    for (std::int64_t x = 0; x < w; ++x) row[static_cast<std::size_t>(x)] = PixelOf(kBandUnit[band] * (x * 256 / w));
    CopyRow(row, band * h / 4, (band + 1) * h / 4);
  }
}

}  // namespace rw
