#include "platform/raster/disc_rows.h"

namespace rw {

std::vector<std::int32_t> DiscRowHalfWidths(std::int64_t radius) {
  std::vector<std::int32_t> rows;
  DiscRowHalfWidths(radius, rows);
  return rows;
}

void DiscRowHalfWidths(std::int64_t radius, std::vector<std::int32_t>& rows) {
  rows.clear();
  if (radius < 0) return;
  const std::int64_t r = radius;
  const std::int64_t q = r * r;
  std::int64_t a = r;
  std::int64_t k = 0;
  std::int64_t s = 0;
  std::int64_t t = 4 * r * q;
  std::int64_t d1 = q / 2 - 2 * r * q + 2 * q;
  std::int64_t d2 = q / 2 - 4 * r * q + 2 * q;
  // Middle band: one full row per step.
  while (d2 < 0) {
    rows.push_back(static_cast<std::int32_t>(a));
    s += 4 * q;
    ++k;
    if (d1 < 0) {
      d1 += s + 2 * q;
      d2 += s;
    } else {
      t -= 4 * q;
      --a;
      d1 += s - t + 2 * q;
      d2 += s - t + 2 * q;
    }
  }
  // Caps: column m covers rows k to k+n-1 (and their mirror); n only grows
  // as m shrinks, so a row first reached by column m has half-width m.
  std::int64_t n = 1;
  for (std::int64_t m = a; m >= 0; --m) {
    while (static_cast<std::int64_t>(rows.size()) < k + n) rows.push_back(static_cast<std::int32_t>(m));
    t -= 4 * q;
    if (d2 < 0) {
      s += 4 * q;
      ++n;
      d2 += s - t + 2 * q;
    } else {
      d2 += 2 * q - t;
    }
  }
}

}  // namespace rw
