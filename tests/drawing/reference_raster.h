#pragma once

#include "platform/base/rgb.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

// Plain, pixel-by-pixel versions of the primitives: every pixel goes through
// one bounds-checked Set, no runs, no shared helpers with the real code.
namespace rw::testing {

struct ReferenceImage {
  int width_px;
  int height_px;
  std::vector<Colour> pixels;

  ReferenceImage(int w, int h) : width_px(w), height_px(h), pixels(static_cast<std::size_t>(w) * h, 0) {}

  void Set(std::int64_t x, std::int64_t y, Colour c) {
    if (x >= 0 && x < width_px && y >= 0 && y < height_px) pixels[y * width_px + x] = c & 0xFFFFFF;
  }
};

inline std::int64_t Low(std::int64_t v) { return static_cast<std::int32_t>(v); }

inline void ReferenceBox(ReferenceImage& im, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, Colour c) {
  x = Low(x), y = Low(y), w = Low(w), h = Low(h);
  const std::int64_t left = w < 0 ? x + w : x, right = w < 0 ? x : x + w;  // right excluded
  const std::int64_t top = h < 0 ? y + h : y, bottom = h < 0 ? y : y + h;
  for (std::int64_t j = 0; j < im.height_px; ++j)
    for (std::int64_t i = 0; i < im.width_px; ++i)
      if (i >= left && i < right && j >= top && j < bottom) im.Set(i, j, c);
}

inline void ReferenceLine(ReferenceImage& im, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, Colour c) {
  x1 = Low(x1), y1 = Low(y1), x2 = Low(x2), y2 = Low(y2);
  if (y1 == y2) {
    for (std::int64_t i = 0; i < im.width_px; ++i)
      if (i >= std::min(x1, x2) && i <= std::max(x1, x2)) im.Set(i, y1, c);
    return;
  }
  if (x1 == x2) {
    for (std::int64_t j = 0; j < im.height_px; ++j)
      if (j >= std::min(y1, y2) && j <= std::max(y1, y2)) im.Set(x1, j, c);
    return;
  }
  double p[4] = {double(std::clamp<std::int64_t>(x1, -65000, 65000)), double(std::clamp<std::int64_t>(y1, -65000, 65000)),
                 double(std::clamp<std::int64_t>(x2, -65000, 65000)), double(std::clamp<std::int64_t>(y2, -65000, 65000))};
  // Clip on x (index 0), then on y (index 1), each end point in turn.
  for (int axis = 0; axis < 2; ++axis) {
    const double lo = 0, hi = (axis == 0 ? im.width_px : im.height_px) - 1;
    double& u1 = p[axis];
    double& v1 = p[1 - axis];
    double& u2 = p[2 + axis];
    double& v2 = p[3 - axis];
    if (u1 < lo && u2 < lo) return;
    if (u1 > hi && u2 > hi) return;
    const double a = u1, b = v1, e = u2, f = v2;
    if (u1 < lo) v1 = std::trunc(b + (f - b) * (lo - a) / (e - a)), u1 = lo;
    if (u1 > hi) v1 = std::trunc(b + (f - b) * (hi - a) / (e - a)), u1 = hi;
    if (u2 < lo) v2 = std::trunc(b + (f - b) * (lo - a) / (e - a)), u2 = lo;
    if (u2 > hi) v2 = std::trunc(b + (f - b) * (hi - a) / (e - a)), u2 = hi;
  }
  std::int64_t ax = std::int64_t(p[0]), ay = std::int64_t(p[1]), bx = std::int64_t(p[2]), by = std::int64_t(p[3]);
  const std::int64_t dx = std::abs(bx - ax), dy = std::abs(by - ay);
  if (dy > dx) {
    if (ay > by) std::swap(ax, bx), std::swap(ay, by);
    std::int64_t d = 2 * dx - dy, x = ax;
    for (std::int64_t y = ay; y <= by; ++y) {
      if (y > ay) {
        if (d >= 0) x += bx > ax ? 1 : -1, d += 2 * (dx - dy);
        else d += 2 * dx;
      }
      im.Set(x, y, c);
    }
  } else {
    if (ax > bx) std::swap(ax, bx), std::swap(ay, by);
    std::int64_t d = 2 * dy - dx, y = ay;
    for (std::int64_t x = ax; x <= bx; ++x) {
      if (x > ax) {
        if (d >= 0) y += by > ay ? 1 : -1, d += 2 * (dy - dx);
        else d += 2 * dy;
      }
      im.Set(x, y, c);
    }
  }
}

// The midpoint method, step for step, one pixel at a time.
inline void ReferenceDisc(ReferenceImage& im, std::int64_t x, std::int64_t y, std::int64_t r, Colour c) {
  x = Low(x), y = Low(y), r = Low(r);
  if (r < 0) return;
  const std::int64_t q = r * r;
  std::int64_t a = r, k = 0, s = 0, T = 4 * r * q;
  std::int64_t d1 = q / 2 - 2 * r * q + 2 * q, d2 = q / 2 - 4 * r * q + 2 * q;
  while (d2 < 0) {
    for (std::int64_t i = x - a; i <= x + a; ++i) {
      im.Set(i, y + k, c);
      im.Set(i, y - k, c);
    }
    s += 4 * q;
    ++k;
    if (d1 < 0) {
      d1 += s + 2 * q;
      d2 += s;
    } else {
      T -= 4 * q;
      --a;
      d1 += s - T + 2 * q;
      d2 += s - T + 2 * q;
    }
  }
  std::int64_t n = 1, m = a;
  do {
    for (std::int64_t j = 0; j < n; ++j) {
      im.Set(x + m, y + k + j, c);
      im.Set(x + m, y - k - j, c);
      im.Set(x - m, y + k + j, c);
      im.Set(x - m, y - k - j, c);
    }
    --m;
    T -= 4 * q;
    if (d2 < 0) {
      s += 4 * q;
      ++n;
      d2 += s - T + 2 * q;
    } else {
      d2 += 2 * q - T;
    }
  } while (m >= 0);
}

}  // namespace rw::testing
