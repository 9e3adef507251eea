#include "patterns/level_squares.h"

#include "patterns/area_rows.h"
#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>
#include <utility>

namespace rw {

void DrawLevelSquares(Colour ground, std::int64_t first_level, std::int64_t step) {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  if (w <= 0 || h <= 0) return;
  CopyRow(PlainRow(ground), 0, h);
  const std::int64_t side = std::min(w / 8, h / 4) / 2;
  // The square's top-left: centred in its cell of the 8 x 4 grid.
  const auto corner = [w, h, side](std::int64_t i) {
    const std::int64_t column = i % 8, row = i / 8;
    return std::pair{(column * w / 8 + (column + 1) * w / 8) / 2 - side / 2,
                     (row * h / 4 + (row + 1) * h / 4) / 2 - side / 2};
  };
  for (std::int64_t i = 0; i < 32; ++i) {
    const auto [sx, sy] = corner(i);
    const std::int64_t level = first_level + step * i;
    DrawBox(sx, sy, side, side, Rgb(level, level, level));
  }
  // The labels last, so that none is cut by a square on a small area.
  SetTextBackground(ground);
  for (std::int64_t i = 0; i < 32; ++i) {
    const auto [sx, sy] = corner(i);
    DrawText(sx, sy + side + 4, NumberToText(first_level + step * i), Rgb(128, 128, 128));
  }
}

}  // namespace rw
