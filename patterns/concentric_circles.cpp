#include "app/globals.h"
#include "patterns/disc_rows.h"
#include "patterns/halving.h"
#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/pixel_target.h"
#include "platform/drawing.h"
#include "platform/random.h"

#include <algorithm>
#include <vector>

namespace rw {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

// One stretch of a row, as column offsets from the centre, in the colour of
// the disc that shows there.
struct Stretch {
  std::int64_t from;
  std::int64_t to;
  std::uint32_t pixel;
};

// Colour of disc r for r from 1 to `largest` (index r), drawing the random
// colours in the order the discs would: one after each disc, largest first.
std::vector<std::uint32_t> DiscPixels(std::int64_t largest) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(largest + 1));
  Colour next = kWhite;
  for (std::int64_t r = largest; r >= 1; --r) {
    pixels[static_cast<std::size_t>(r)] = PixelOf((r % 2) * next);
    next = Random(0xFFFFFF);
  }
  return pixels;
}

// The stretches of the row at distance dy from the centre: the smaller disc
// is painted later, so an offset shows the smallest disc that reaches it.
// Walking the radii upwards, each disc that reaches further than all smaller
// ones adds the offsets beyond them; this needs no nesting of the discs.
void RowStretches(const std::vector<std::vector<std::int32_t>>& discs, const std::vector<std::uint32_t>& pixels,
                  std::int64_t dy, std::vector<Stretch>& out) {
  out.clear();
  std::int64_t reached = -1;
  for (std::size_t r = 1; r < discs.size(); ++r) {
    const std::vector<std::int32_t>& rows = discs[r];
    if (dy >= static_cast<std::int64_t>(rows.size())) continue;
    const std::int64_t half_width = rows[static_cast<std::size_t>(dy)];
    if (half_width <= reached) continue;
    out.push_back({reached + 1, half_width, pixels[r]});
    reached = half_width;
  }
}

// Writes the stretches into one row around column cx, left to right, clipped
// to the row; what lies outside them keeps its pixels.
void WriteStretches(std::uint32_t* row, std::int64_t width, std::int64_t cx, const std::vector<Stretch>& stretches) {
  for (auto it = stretches.rbegin(); it != stretches.rend(); ++it) {
    const std::int64_t lo = std::max<std::int64_t>(cx - it->to, 0);
    const std::int64_t hi = std::min(cx - std::max<std::int64_t>(it->from, 1), width - 1);
    if (lo <= hi) std::fill(row + lo, row + hi + 1, it->pixel);
  }
  for (const Stretch& s : stretches) {
    const std::int64_t lo = std::max<std::int64_t>(cx + s.from, 0);
    const std::int64_t hi = std::min(cx + s.to, width - 1);
    if (lo <= hi) std::fill(row + lo, row + hi + 1, s.pixel);
  }
}

// Paints every pixel in the colour of the last disc that covers it; pixels
// outside all discs are left alone. Callers make sure the image is the
// drawing area and that largest >= 1.
void PaintNestedDiscs(const PixelTarget* image, std::int64_t largest) {
  const std::vector<std::uint32_t> pixels = DiscPixels(largest);
  std::vector<std::vector<std::int32_t>> discs(static_cast<std::size_t>(largest + 1));
  for (std::int64_t r = 1; r <= largest; ++r) discs[static_cast<std::size_t>(r)] = DiscRowHalfWidths(r);
  const std::int64_t cx = Half(ScreenWidth);
  const std::int64_t cy = Half(ScreenHeight);
  std::vector<Stretch> stretches;
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    RowStretches(discs, pixels, y >= cy ? y - cy : cy - y, stretches);
    WriteStretches(image->Row(static_cast<std::int32_t>(y)), ScreenWidth, cx, stretches);
  }
}

}  // namespace

void DrawConcentricCircles() {
  const std::int64_t largest = Half(ScreenHeight);
  if (largest < 1) return;
  if (const PixelTarget* image = PatternTarget(); image && ScreenWidth > 0) {
    PaintNestedDiscs(image, largest);
    return;
  }
  Colour next = kWhite;
  for (std::int64_t r = largest; r >= 1; --r) {
    DrawCircle(Half(ScreenWidth), Half(ScreenHeight), r, (r % 2) * next);
    next = Random(0xFFFFFF);
  }
}

}  // namespace rw
