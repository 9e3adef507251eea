#include "platform/raster/disc_rows.h"
#include "platform/raster/drawing.h"
#include "platform/raster/runs.h"
#include "platform/raster/session.h"

#include <vector>

namespace rw {
namespace {

// The method's values grow to about 6·r³; up to this radius they fit 64 bits
// with room to spare. Larger discs (sixteen times any surface side) are not
// drawn.
constexpr std::int64_t kMaxDiscRadius_px = std::int64_t{1} << 19;

}  // namespace

// The disc's pixels are those of the midpoint method (its middle band row by
// row, then its caps column by column); DiscRowHalfWidths walks that method
// once and gives each row's half-width, so the disc is filled as whole rows.
void DrawCircle(std::int64_t x, std::int64_t y, std::int64_t radius, Colour colour) {
  DrawingSession* session = CurrentSession();
  if (!session) return;
  const std::uint32_t pixel = ApplyPenColour(*session, colour);
  x = Low32(x);
  y = Low32(y);
  const std::int64_t r = Low32(radius);
  if (r < 0 || r > kMaxDiscRadius_px) return;
  const PixelTarget& t = g_pixel_target;
  // Wholly outside: nothing of the disc can show.
  if (x + r < 0 || x - r >= t.width_px || y + r < 0 || y - r >= t.height_px) return;

  static std::vector<std::int32_t> half_widths;
  DiscRowHalfWidths(r, half_widths);
  for (std::size_t k = 0; k < half_widths.size(); ++k) {
    const std::int64_t h = half_widths[k];
    const auto dy = static_cast<std::int64_t>(k);
    FillRowRun(x - h, x + h, y + dy, pixel);
    if (dy > 0) FillRowRun(x - h, x + h, y - dy, pixel);
  }
}

}  // namespace rw
