#include "patterns/halving.h"
#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/base/random.h"
#include "platform/raster/drawing.h"
#include "platform/raster/pixel_target.h"
#include "state/globals.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace rw {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

// Colour of box i for every i up to `last`, drawing the random colours in the
// order the boxes would: one after each box.
std::vector<std::uint32_t> BoxPixels(std::int64_t last) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(last + 1));
  Colour next = kWhite;
  for (std::int64_t i = 0; i <= last; ++i) {
    pixels[static_cast<std::size_t>(i)] = PixelOf((i % 2) * next);
    next = Random(0xFFFFFF);
  }
  return pixels;
}

// Paints every pixel in the colour of the last box that covers it. A row at
// distance r from the top or bottom edge is covered by boxes 0 to
// u = min(r, last). Box i covers columns i to W-1-i while 2i < W, and, once
// its width has turned negative, columns W-i to i-1. So the row shows box x
// at column x up to a = max(0, min(u, W-u)), box u between a and W-1-a, and
// the mirror image on the right. Callers make sure the image is the drawing
// area and that last >= 0.
void PaintNestedBoxes(const PixelTarget* image, std::int64_t last) {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  const std::vector<std::uint32_t> pixels = BoxPixels(last);
  const std::vector<std::uint32_t> reversed(pixels.rbegin(), pixels.rend());
  const std::int64_t count = last + 1;
  for (std::int64_t y = 0; y < h; ++y) {
    const std::int64_t u = std::min(std::min(y, h - 1 - y), last);
    const std::int64_t a = std::max<std::int64_t>(0, std::min(u, w - u));
    std::uint32_t* row = image->Row(static_cast<std::int32_t>(y));
    std::memcpy(row, pixels.data(), static_cast<std::size_t>(a) * sizeof(std::uint32_t));
    std::fill(row + a, row + (w - a), pixels[static_cast<std::size_t>(u)]);
    std::memcpy(row + (w - a), reversed.data() + (count - a), static_cast<std::size_t>(a) * sizeof(std::uint32_t));
  }
}

}  // namespace

void DrawConcentricRectangles() {
  const std::int64_t last = Half(ScreenHeight) - 1;
  if (last < 0) return;
  if (const PixelTarget* image = PatternTarget(); image && ScreenWidth > 0) {
    PaintNestedBoxes(image, last);
    return;
  }
  Colour next = kWhite;
  for (std::int64_t i = 0; i <= last; ++i) {
    DrawBox(i, i, ScreenWidth - 2 * i, ScreenHeight - 2 * i, (i % 2) * next);
    next = Random(0xFFFFFF);
  }
}

}  // namespace rw
