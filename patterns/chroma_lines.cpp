#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>

namespace rw {
namespace {

constexpr std::int64_t kLabelRows = 30;
// Two colours of the same luma and opposite chroma: subsampled colour
// averages them to one grey.
constexpr Colour kA = Rgb(27, 146, 247);
constexpr Colour kB = Rgb(229, 110, 9);

// Rows first to end - 1: black rows for the label at the top, then
// `row_at(y)` for each row below them.
template <typename RowAt>
void Half(std::int64_t first, std::int64_t end, RowAt row_at) {
  const std::int64_t pattern_first = std::min(first + kLabelRows, end);
  CopyRow(PlainRow(Rgb(0, 0, 0)), first, pattern_first);
  for (std::int64_t y = pattern_first; y < end; ++y) CopyRow(row_at(y), y, y + 1);
}

}  // namespace

// Colour resolution: above, columns alternating between A and B; below,
// rows alternating between them.
void DrawChromaLines() {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  if (w <= 0 || h <= 0) return;
  AreaRow columns(static_cast<std::size_t>(w));
  for (std::int64_t x = 0; x < w; ++x) columns[static_cast<std::size_t>(x)] = PixelOf(x % 2 == 0 ? kA : kB);
  const AreaRow rows[2] = {PlainRow(kA), PlainRow(kB)};
  Half(0, h / 2, [&columns](std::int64_t) -> const AreaRow& { return columns; });
  Half(h / 2, h, [&rows](std::int64_t y) -> const AreaRow& { return rows[y % 2]; });
  DrawText(4, 6, u"Farbauflösung: senkrechte Linien"_qs);
  DrawText(4, h / 2 + 6, u"Farbauflösung: waagrechte Linien"_qs);
}

}  // namespace rw
