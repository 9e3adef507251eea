#include "patterns/area_rows.h"

#include "platform/raster/pixel_target.h"
#include "state/globals.h"

#include <algorithm>
#include <cstring>

namespace rw {

AreaRow PlainRow(Colour colour) { return AreaRow(static_cast<std::size_t>(std::max<std::int64_t>(ScreenWidth, 0)), PixelOf(colour)); }

void CopyRow(const AreaRow& row, std::int64_t y_first, std::int64_t y_end) {
  const PixelTarget& t = g_pixel_target;
  const std::int64_t width = std::min<std::int64_t>(static_cast<std::int64_t>(row.size()), t.width_px);
  const std::int64_t y_stop = std::min<std::int64_t>(y_end, t.height_px);
  if (width <= 0) return;
  for (std::int64_t y = std::max<std::int64_t>(y_first, 0); y < y_stop; ++y) {
    std::memcpy(t.Row(static_cast<std::int32_t>(y)), row.data(), static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  }
}

}  // namespace rw
