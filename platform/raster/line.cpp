#include "platform/raster/drawing.h"
#include "platform/raster/runs.h"
#include "platform/raster/session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace rw {
namespace {

constexpr std::int64_t kLineLimit_px = 65000;

struct Segment {
  std::int64_t x1, y1, x2, y2;
};

// The coordinate v of the point on the line through (u1, v1) and (u2, v2)
// at u = edge, truncated toward zero. Callers guarantee u1 != u2.
std::int64_t AlongSegment(std::int64_t u1, std::int64_t v1, std::int64_t u2, std::int64_t v2, std::int64_t edge) {
  const double v = static_cast<double>(v1) +
                   static_cast<double>(v2 - v1) * static_cast<double>(edge - u1) / static_cast<double>(u2 - u1);
  return static_cast<std::int64_t>(std::trunc(v));
}

// Clips the segment to lo <= x <= hi (on x when `on_x`, else on y); false
// when it lies wholly outside.
bool ClipAxis(Segment& s, bool on_x, std::int64_t lo, std::int64_t hi) {
  std::int64_t& u1 = on_x ? s.x1 : s.y1;
  std::int64_t& v1 = on_x ? s.y1 : s.x1;
  std::int64_t& u2 = on_x ? s.x2 : s.y2;
  std::int64_t& v2 = on_x ? s.y2 : s.x2;
  if ((u1 < lo && u2 < lo) || (u1 > hi && u2 > hi)) return false;
  // Both end points are moved along the original segment.
  const std::int64_t ou1 = u1, ov1 = v1, ou2 = u2, ov2 = v2;
  for (auto [u, v] : {std::pair{&u1, &v1}, std::pair{&u2, &v2}}) {
    if (*u < lo || *u > hi) {
      const std::int64_t edge = *u < lo ? lo : hi;
      *v = AlongSegment(ou1, ov1, ou2, ov2, edge);
      *u = edge;
    }
  }
  return true;
}

// Bresenham's walk over a segment that lies inside the surface; callers clip.
void WalkSegment(const Segment& s, std::uint32_t pixel) {
  const PixelTarget& t = g_pixel_target;
  const bool y_major = std::abs(s.y2 - s.y1) > std::abs(s.x2 - s.x1);
  // Major and minor coordinates of the start (smaller major) and the end.
  std::int64_t major = y_major ? s.y1 : s.x1, minor = y_major ? s.x1 : s.y1;
  std::int64_t major_end = y_major ? s.y2 : s.x2, minor_end = y_major ? s.x2 : s.y2;
  if (major > major_end) {
    std::swap(major, major_end);
    std::swap(minor, minor_end);
  }
  const std::int64_t major_delta = major_end - major;
  const std::int64_t minor_delta = std::abs(minor_end - minor);
  const std::int64_t minor_step = minor_end > minor ? 1 : -1;
  std::int64_t decision = 2 * minor_delta - major_delta;
  auto put = [&] {
    const auto px = static_cast<std::int32_t>(y_major ? minor : major);
    const auto py = static_cast<std::int32_t>(y_major ? major : minor);
    t.Row(py)[px] = pixel;
  };
  put();
  while (major < major_end) {
    ++major;
    if (decision >= 0) {
      minor += minor_step;
      decision += 2 * (minor_delta - major_delta);
    } else {
      decision += 2 * minor_delta;
    }
    put();
  }
}

}  // namespace

void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, Colour colour) {
  DrawingSession* session = CurrentSession();
  if (!session) return;
  const std::uint32_t pixel = ApplyPenColour(*session, colour);
  x1 = Low32(x1);
  y1 = Low32(y1);
  x2 = Low32(x2);
  y2 = Low32(y2);
  // Horizontal (also a single point) and vertical lines: one run.
  if (y1 == y2) {
    FillRowRun(std::min(x1, x2), std::max(x1, x2), y1, pixel);
    return;
  }
  if (x1 == x2) {
    FillColumnRun(x1, std::min(y1, y2), std::max(y1, y2), pixel);
    return;
  }
  // Any other line.
  auto clamp = [](std::int64_t v) { return std::clamp(v, -kLineLimit_px, kLineLimit_px); };
  Segment s{clamp(x1), clamp(y1), clamp(x2), clamp(y2)};
  const PixelTarget& t = g_pixel_target;
  if (t.width_px <= 0 || t.height_px <= 0) return;
  if (!ClipAxis(s, true, 0, t.width_px - 1)) return;
  if (!ClipAxis(s, false, 0, t.height_px - 1)) return;
  // Interpolation keeps the points inside; this only guards the pixel writes.
  for (std::int64_t x : {s.x1, s.x2}) if (x < 0 || x >= t.width_px) return;
  for (std::int64_t y : {s.y1, s.y2}) if (y < 0 || y >= t.height_px) return;
  WalkSegment(s, pixel);
}

}  // namespace rw
