#pragma once

#include "platform/raster/pixel_target.h"

#include <algorithm>
#include <cstdint>

namespace rw {

// Clips the row run x_first..x_last (inclusive) of row y to the current
// surface and fills what is left with `pixel`.
inline void FillRowRun(std::int64_t x_first, std::int64_t x_last, std::int64_t y, std::uint32_t pixel) {
  const PixelTarget& t = g_pixel_target;
  if (y < 0 || y >= t.height_px) return;
  x_first = std::max<std::int64_t>(x_first, 0);
  x_last = std::min<std::int64_t>(x_last, t.width_px - 1);
  if (x_first > x_last) return;
  std::fill_n(t.Row(static_cast<std::int32_t>(y)) + x_first, x_last - x_first + 1, pixel);
}

// Clips the column run y_first..y_last (inclusive) of column x to the
// current surface and fills what is left with `pixel`.
inline void FillColumnRun(std::int64_t x, std::int64_t y_first, std::int64_t y_last, std::uint32_t pixel) {
  const PixelTarget& t = g_pixel_target;
  if (x < 0 || x >= t.width_px) return;
  y_first = std::max<std::int64_t>(y_first, 0);
  y_last = std::min<std::int64_t>(y_last, t.height_px - 1);
  if (y_first > y_last) return;
  std::uint32_t* p = t.Row(static_cast<std::int32_t>(y_first)) + x;
  for (std::int64_t y = y_first; y <= y_last; ++y, p += t.row_stride_px) *p = pixel;
}

// Coordinates reach the rasteriser as the low 32 bits of the caller's value.
inline std::int64_t Low32(std::int64_t value) { return static_cast<std::int32_t>(value); }

}  // namespace rw
