#include "patterns/halving.h"
#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/base/random.h"
#include "platform/raster/disc_rows.h"
#include "platform/raster/drawing.h"
#include "state/globals.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace rw {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr std::uint32_t kWhitePixel = PixelOf(kWhite);

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

// The half-widths of all discs from radius 1 to `largest`, stored row by
// row: for the row at distance dy from the centre, those of the discs that
// reach it, radii max(dy, 1) to largest in rising order. A disc of radius r
// reaches exactly r rows from its centre.
class DiscTable {
 public:
  explicit DiscTable(std::int64_t largest) : largest_(largest), starts_(static_cast<std::size_t>(largest + 2)) {
    for (std::int64_t dy = 0; dy <= largest; ++dy) starts_[dy + 1] = starts_[dy] + Count(dy);
    widths_.assign(static_cast<std::size_t>(starts_[largest + 1]), -1);
    std::vector<std::int32_t> rows;
    for (std::int64_t r = 1; r <= largest; ++r) {
      DiscRowHalfWidths(r, rows);
      const std::int64_t reach = std::min(static_cast<std::int64_t>(rows.size()) - 1, r);
      for (std::int64_t dy = 0; dy <= reach; ++dy) widths_[starts_[dy] + r - FirstRadius(dy)] = rows[dy];
    }
  }

  static std::int64_t FirstRadius(std::int64_t dy) { return std::max<std::int64_t>(dy, 1); }
  std::int64_t Count(std::int64_t dy) const { return dy > largest_ ? 0 : largest_ - FirstRadius(dy) + 1; }
  const std::int32_t* Row(std::int64_t dy) const { return widths_.data() + starts_[dy]; }

 private:
  std::int64_t largest_;
  std::vector<std::int64_t> starts_;
  std::vector<std::int32_t> widths_;
};

// Pixels of the row at distance dy by column offset from the centre: an
// offset shows the smallest disc that reaches it, since the smaller discs
// are painted later. Walking the radii upwards, each disc that reaches
// further than all smaller ones adds the offsets beyond them, so the discs
// need not be nested. Returns how far the largest disc reaches (-1: none).
std::int64_t RowByOffset(const DiscTable& table, const std::vector<std::uint32_t>& pixels, std::int64_t dy,
                         std::uint32_t* line) {
  std::int64_t reached = -1;
  const std::int32_t* widths = table.Row(dy);
  const std::int64_t first = DiscTable::FirstRadius(dy);
  const std::int64_t count = table.Count(dy);
  for (std::int64_t k = 0; k < count; ++k) {
    const std::int64_t half_width = widths[k];
    const std::uint32_t pixel = pixels[static_cast<std::size_t>(first + k)];
    for (std::int64_t t = reached + 1; t <= half_width; ++t) line[t] = pixel;
    reached = std::max(reached, half_width);
  }
  return reached;
}

// Paints every pixel in the colour of the last disc that covers it, and the
// pixels outside all discs in the white of the ground (written again so that
// the redraw need not clear first). Callers make sure the image is the
// drawing area and that largest >= 1.
void PaintNestedDiscs(const PixelTarget* image, std::int64_t largest) {
  const std::vector<std::uint32_t> pixels = DiscPixels(largest);
  const DiscTable table(largest);
  const std::int64_t cx = Half(ScreenWidth);
  const std::int64_t cy = Half(ScreenHeight);
  std::vector<std::uint32_t> line(static_cast<std::size_t>(largest + 1));
  const std::int64_t left_limit = cx;
  const std::int64_t right_limit = ScreenWidth - 1 - cx;
  // The rows at cy - dy and cy + dy are alike: work out each distance once.
  const std::int64_t farthest = std::max(cy, ScreenHeight - 1 - cy);
  for (std::int64_t dy = 0; dy <= farthest; ++dy) {
    const std::int64_t reached = RowByOffset(table, pixels, dy, line.data());
    const std::int64_t left = std::min(reached, left_limit);
    const std::int64_t right = std::min(reached, right_limit);
    for (const std::int64_t y : {cy - dy, cy + dy}) {
      if (y < 0 || y >= ScreenHeight || (dy == 0 && y != cy)) continue;
      std::uint32_t* row = image->Row(static_cast<std::int32_t>(y));
      std::fill(row, row + (cx - left), kWhitePixel);
      for (std::int64_t t = left; t >= 1; --t) row[cx - t] = line[static_cast<std::size_t>(t)];
      if (right >= 0) std::memcpy(row + cx, line.data(), static_cast<std::size_t>(right + 1) * sizeof(std::uint32_t));
      std::fill(row + cx + std::max<std::int64_t>(right, 0) + 1, row + ScreenWidth, kWhitePixel);
    }
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
