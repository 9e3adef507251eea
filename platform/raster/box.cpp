#include "platform/raster/drawing.h"
#include "platform/raster/runs.h"
#include "platform/raster/session.h"

#include <algorithm>

namespace rw {

void DrawBox(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height, Colour colour) {
  DrawingSession* session = CurrentSession();
  if (!session) return;
  const std::uint32_t pixel = ApplyPenColour(*session, colour);
  x = Low32(x);
  y = Low32(y);
  width = Low32(width);
  height = Low32(height);
  // A negative size extends the box left of column x (above row y), without it.
  if (width < 0) {
    x += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    height = -height;
  }
  const PixelTarget& t = g_pixel_target;
  const std::int64_t x_first = std::max<std::int64_t>(x, 0);
  const std::int64_t x_end = std::min<std::int64_t>(x + width, t.width_px);
  const std::int64_t y_first = std::max<std::int64_t>(y, 0);
  const std::int64_t y_end = std::min<std::int64_t>(y + height, t.height_px);
  if (x_first >= x_end || y_first >= y_end) return;
  for (std::int64_t row = y_first; row < y_end; ++row) {
    std::fill_n(t.Row(static_cast<std::int32_t>(row)) + x_first, x_end - x_first, pixel);
  }
}

}  // namespace rw
