#pragma once

#include "platform/base/rgb.h"

#include <cstddef>
#include <cstdint>

namespace rw {

// The pixel memory of the current drawing session: rows of 32-bit pixels
// 0xFFRRGGBB. Width and height are 0 while no session is open, so that
// every bounds check fails then.
struct PixelTarget {
  std::uint32_t* first_row = nullptr;
  std::ptrdiff_t row_stride_px = 0;
  std::int32_t width_px = 0;
  std::int32_t height_px = 0;

  // Callers keep y inside 0 to height_px - 1.
  std::uint32_t* Row(std::int32_t y) const { return first_row + y * row_stride_px; }
};

// Set by BeginDrawing, emptied by EndDrawing. Kept in the header so that
// code setting millions of pixels can write rows directly.
inline PixelTarget g_pixel_target;

// The stored pixel of a colour: red moves from bits 0 to 7 to bits 16 to 23;
// only the low 24 bits of the colour count.
constexpr std::uint32_t PixelOf(Colour colour) {
  const auto c = static_cast<std::uint32_t>(colour);
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// The colour of a stored pixel (the inverse of PixelOf on 24-bit colours).
constexpr Colour ColourOf(std::uint32_t pixel) {
  return static_cast<Colour>(((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16));
}

// Plot's whole work: the pixel (x, y) of the current session becomes the
// colour; a point outside the surface (or no session) changes nothing.
inline void PlotPixel(std::int64_t x, std::int64_t y, Colour colour) {
  const PixelTarget& t = g_pixel_target;
  const auto px = static_cast<std::int32_t>(x);
  const auto py = static_cast<std::int32_t>(y);
  if (static_cast<std::uint32_t>(px) >= static_cast<std::uint32_t>(t.width_px)) return;
  if (static_cast<std::uint32_t>(py) >= static_cast<std::uint32_t>(t.height_px)) return;
  t.Row(py)[px] = PixelOf(colour);
}

}  // namespace rw
