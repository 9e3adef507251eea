#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/base/random.h"
#include "platform/raster/drawing.h"
#include "state/globals.h"

#include <algorithm>
#include <cstring>

namespace rw {
namespace {

// Fills one row with random colours from the left. The colours go through a
// small local buffer first: stores into the image could alias the
// generator's tables as far as the compiler knows, which would make it
// reload the generator state after every pixel.
void RandomRow(std::uint32_t* row, std::int64_t width) {
  constexpr std::int64_t kChunk = 256;
  std::uint32_t chunk[kChunk];
  for (std::int64_t x = 0; x < width; x += kChunk) {
    const std::int64_t n = std::min(kChunk, width - x);
    for (std::int64_t k = 0; k < n; ++k) chunk[k] = PixelOf(Random(0xFFFFFF));
    std::memcpy(row + x, chunk, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
  }
}

}  // namespace

void DrawRandomPixels() {
  if (ScreenWidth <= 0 || ScreenHeight <= 0) return;
  // Both forms draw one random colour per pixel, row by row from the top and
  // each row from the left, so a seed gives the same image either way.
  if (const PixelTarget* image = PatternTarget()) {
    for (std::int64_t y = 0; y < ScreenHeight; ++y) RandomRow(image->Row(static_cast<std::int32_t>(y)), ScreenWidth);
    return;
  }
  for (std::int64_t y = 0; y <= ScreenHeight - 1; ++y) {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; ++x) Plot(x, y, Random(0xFFFFFF));
  }
}

}  // namespace rw
