#include "platform/drawing.h"
#include "platform/runs.h"
#include "platform/session.h"

namespace rw {
namespace {

// The method's values grow to about 6·r³; up to this radius they fit 64 bits
// with room to spare. Larger discs (sixteen times any surface side) are not
// drawn.
constexpr std::int64_t kMaxDiscRadius_px = std::int64_t{1} << 19;

}  // namespace

// The midpoint method fills the middle band row by row (rows y - k and
// y + k, half-width a) while its decision value d2 is negative, then the caps
// column by column (columns x - m and x + m, n rows each side). The third
// powers of the radius need 64 bits from a few hundred pixels on.
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

  const std::int64_t q = r * r;
  std::int64_t a = r;
  std::int64_t k = 0;
  std::int64_t s = 0;
  std::int64_t big_t = 4 * r * q;
  std::int64_t d1 = q / 2 - 2 * r * q + 2 * q;
  std::int64_t d2 = q / 2 - 4 * r * q + 2 * q;

  // Middle band.
  while (d2 < 0) {
    FillRowRun(x - a, x + a, y + k, pixel);
    if (k > 0) FillRowRun(x - a, x + a, y - k, pixel);
    s += 4 * q;
    ++k;
    if (d1 < 0) {
      d1 += s + 2 * q;
      d2 += s;
    } else {
      big_t -= 4 * q;
      --a;
      d1 += s - big_t + 2 * q;
      d2 += s - big_t + 2 * q;
    }
  }

  // Caps.
  std::int64_t n = 1;
  for (std::int64_t m = a; m >= 0;) {
    FillColumnRun(x + m, y + k, y + k + n - 1, pixel);
    FillColumnRun(x + m, y - k - n + 1, y - k, pixel);
    if (m != 0) {
      FillColumnRun(x - m, y + k, y + k + n - 1, pixel);
      FillColumnRun(x - m, y - k - n + 1, y - k, pixel);
    }
    --m;
    big_t -= 4 * q;
    if (d2 < 0) {
      s += 4 * q;
      ++n;
      d2 += s - big_t + 2 * q;
    } else {
      d2 += 2 * q - big_t;
    }
  }
}

}  // namespace rw
