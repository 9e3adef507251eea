#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/base/float_to_int.h"
#include "platform/raster/drawing.h"
#include "state/globals.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace rw {
namespace {

// White, yellow, cyan, green, magenta, red, blue; black takes the rest.
constexpr Colour kBars[8] = {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0xFF0000, 0x000000};

std::int64_t BarWidth() { return FloatToInt(static_cast<double>(ScreenWidth) / 8.0); }

// The bars span the full height, so every row is the same: one row is built
// and copied down. Callers make sure the image is the drawing area.
void CopyBarRows(const PixelTarget* image) {
  std::vector<std::uint32_t> row(static_cast<std::size_t>(ScreenWidth));
  const std::int64_t bar_width = BarWidth();
  for (std::int64_t k = 0; k < 8; ++k) {
    const std::int64_t end = k == 7 ? ScreenWidth : (k + 1) * bar_width;
    std::fill(row.begin() + k * bar_width, row.begin() + end, PixelOf(kBars[k]));
  }
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    std::memcpy(image->Row(static_cast<std::int32_t>(y)), row.data(), row.size() * sizeof(std::uint32_t));
  }
}

}  // namespace

void DrawColourBars() {
  if (const PixelTarget* image = PatternTarget(); image && ScreenWidth > 0 && ScreenHeight > 0) {
    CopyBarRows(image);
    return;
  }
  for (std::int64_t k = 0; k < 7; ++k) DrawBox(k * BarWidth(), 0, BarWidth(), ScreenHeight, kBars[k]);
  DrawBox(7 * BarWidth(), 0, ScreenWidth - 7 * BarWidth(), ScreenHeight, kBars[7]);
}

}  // namespace rw
