#include "patterns/motion_layout.h"

#include <algorithm>
#include <cmath>

namespace rw {

AreaRect Clipped(AreaRect rect, std::int64_t w, std::int64_t h, std::int64_t y_first) {
  const std::int64_t x0 = std::max<std::int64_t>(rect.x, 0);
  const std::int64_t y0 = std::max<std::int64_t>(rect.y, y_first);
  const std::int64_t x1 = std::min<std::int64_t>(rect.x + rect.width, w);
  const std::int64_t y1 = std::min<std::int64_t>(rect.y + rect.height, h);
  if (x1 <= x0 || y1 <= y0) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

MotionLane LaneOf(std::int64_t w, std::int64_t h, int k) {
  static constexpr Colour kGrounds[3] = {Rgb(0, 0, 0), Rgb(128, 128, 128), Rgb(255, 255, 255)};
  static constexpr Colour kSquares[3] = {Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(0, 0, 0)};
  MotionLane lane;
  lane.ground = kGrounds[k];
  lane.square = kSquares[k];
  if (w <= 0 || h <= kStatusRows) return lane;
  const std::int64_t below = h - kStatusRows;
  lane.top = kStatusRows + k * below / 3;
  lane.height = kStatusRows + (k + 1) * below / 3 - lane.top;
  lane.side = std::min<std::int64_t>(lane.height / 2, 128);
  lane.square_top = lane.top + (lane.height - lane.side) / 2;
  return lane;
}

std::int64_t PixelsPerFrame(double refresh_hz, int k) {
  const double r = std::isfinite(refresh_hz) && refresh_hz > 0 ? refresh_hz : 60.0;
  const double step = std::round(480.0 * static_cast<double>(1 << k) / r);
  return std::max<std::int64_t>(1, step < 1e15 ? static_cast<std::int64_t>(step) : 1);
}

std::int64_t SquareLeft(std::int64_t w, std::int64_t side, std::int64_t step, std::int64_t n) {
  const std::int64_t span = w + side;
  if (span <= 0) return -side;
  // (n mod span) * (step mod span) stays below 2^62 for spans below 2^31.
  const std::int64_t travelled = (n % span) * (step % span) % span;
  return travelled - side;
}

AreaRect SquareRect(std::int64_t w, std::int64_t h, double refresh_hz, int k, std::int64_t n) {
  const MotionLane lane = LaneOf(w, h, k);
  if (lane.side <= 0) return {};
  return {SquareLeft(w, lane.side, PixelsPerFrame(refresh_hz, k), n), lane.square_top, lane.side, lane.side};
}

AreaRect SequenceBox(std::int64_t w, std::int64_t h, int i) {
  if (w <= 0 || h <= kStatusRows) return {};
  const std::int64_t below = h - kStatusRows;
  const std::int64_t top = kStatusRows + below / 4;
  const std::int64_t end = kStatusRows + below / 2;
  const std::int64_t left = i * w / kSequenceBoxes + 4;
  const std::int64_t right = (i + 1) * w / kSequenceBoxes - 5;
  return {left, top, right - left + 1, end - top};
}

AreaRect SequenceStrip(std::int64_t w, std::int64_t h) { return {0, h - 40, w, 40}; }

Colour SequenceBoxColour(int i, std::int64_t n) { return n % kSequenceBoxes == i ? Rgb(255, 255, 255) : Rgb(40, 40, 40); }

Colour SequenceStripColour(std::int64_t n) { return n % 2 == 0 ? Rgb(255, 0, 0) : Rgb(0, 255, 255); }

}  // namespace rw
