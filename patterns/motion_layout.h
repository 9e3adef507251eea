#pragma once

#include "platform/base/rgb.h"

#include <cstdint>

namespace rw {

// Where the parts of the two motion images lie on a w x h drawing area, and
// where the moving ones are in frame n at a refresh rate of r Hz. Every
// function is of its arguments alone.

// Rows 0 to 29: the status strip.
inline constexpr std::int64_t kStatusRows = 30;

// A rectangle of the area, [x, x + width) x [y, y + height); empty when
// either side is 0 or less.
struct AreaRect {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
  bool operator==(const AreaRect&) const = default;
};

// `rect` cut to the columns 0 to w - 1 and the rows y_first to h - 1.
AreaRect Clipped(AreaRect rect, std::int64_t w, std::int64_t h, std::int64_t y_first = 0);

// Lane k (0, 1, 2) of `motion`: its rows, ground, and the square in it.
struct MotionLane {
  std::int64_t top = 0;
  std::int64_t height = 0;
  std::int64_t side = 0;        // S = min(height / 2, 128)
  std::int64_t square_top = 0;  // top + (height - S) / 2
  Colour ground = 0;
  Colour square = 0;
};
MotionLane LaneOf(std::int64_t w, std::int64_t h, int k);

// Pixels per frame of lane k's square: max(1, round(480 * 2^k / r)); a rate
// that is not a positive number counts as 60 Hz.
std::int64_t PixelsPerFrame(double refresh_hz, int k);

// The left edge of a square of side `side` that moves `step` pixels per
// frame across a width w: (n * step) mod (w + side) - side, exact for every
// n >= 0.
std::int64_t SquareLeft(std::int64_t w, std::int64_t side, std::int64_t step, std::int64_t n);

// Lane k's square in frame n, not clipped.
AreaRect SquareRect(std::int64_t w, std::int64_t h, double refresh_hz, int k, std::int64_t n);

// `frame-sequence`: the 16 boxes' rows, box i's columns, the strip at the
// bottom and their colours.
inline constexpr int kSequenceBoxes = 16;
AreaRect SequenceBox(std::int64_t w, std::int64_t h, int i);
AreaRect SequenceStrip(std::int64_t w, std::int64_t h);
// Box i's colour in frame n: white for the box n mod 16, dark grey else.
Colour SequenceBoxColour(int i, std::int64_t n);
// The strip's colour in frame n: red when n is even, cyan when odd.
Colour SequenceStripColour(std::int64_t n);

}  // namespace rw
