#include "patterns/rainbow.h"

#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/base/float_to_int.h"
#include "platform/base/rgb.h"
#include "platform/raster/drawing.h"
#include "platform/raster/pixel_target.h"
#include "state/globals.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace rw {
namespace {

// A ramp value of the sine, in 0..255. Where a section ends a little left of
// the sine's zero crossing (widths that are not a multiple of 6) the product
// comes out slightly negative; packed as it stands it would spill into every
// channel and show a near-white column, so it is held at 0.
std::int64_t Ramp(double sine, double sign) {
  return std::clamp<std::int64_t>(FloatToInt(sine * sign * 255.0), 0, 255);
}

}  // namespace

void SetRainbowColour(std::int64_t x, std::int64_t s) {
  constexpr float kPi = 3.14159274f;
  const auto angle = static_cast<float>(static_cast<double>(x) * 3.0f * static_cast<double>(kPi) /
                                        static_cast<double>(ScreenWidth));
  const double sine = std::sin(static_cast<double>(angle));
  if (x <= s) {
    ColourRed = 255, ColourGreen = Ramp(sine, 1.0), ColourBlue = 0;  // red to yellow
  } else if (x <= 2 * s) {
    ColourRed = Ramp(sine, 1.0), ColourGreen = 255, ColourBlue = 0;  // yellow to green
  } else if (x <= 3 * s) {
    ColourRed = 0, ColourGreen = 255, ColourBlue = Ramp(sine, -1.0);  // green to cyan
  } else if (x <= 4 * s) {
    ColourRed = 0, ColourGreen = Ramp(sine, -1.0), ColourBlue = 255;  // cyan to blue
  } else if (x <= 5 * s) {
    ColourRed = Ramp(sine, 1.0), ColourGreen = 0, ColourBlue = 255;  // blue to magenta
  } else if (x <= 6 * s) {
    ColourRed = 255, ColourGreen = 0, ColourBlue = Ramp(sine, 1.0);  // magenta to red
  }
}

void DrawRainbowSpectrum() {
  const std::int64_t s = FloatToInt(static_cast<double>(ScreenWidth) / 6.0);
  const PixelTarget* image = ScreenHeight > 0 ? PatternTarget() : nullptr;
  if (!image) {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; ++x) {
      SetRainbowColour(x, s);
      DrawLine(x, 0, x, ScreenHeight - 1, Rgb(ColourRed, ColourGreen, ColourBlue));
    }
    return;
  }
  // Every row is the same: work out one and copy it down.
  std::vector<std::uint32_t> row(static_cast<std::size_t>(std::max<std::int64_t>(ScreenWidth, 0)));
  for (std::int64_t x = 0; x < ScreenWidth; ++x) {
    SetRainbowColour(x, s);
    row[static_cast<std::size_t>(x)] = PixelOf(Rgb(ColourRed, ColourGreen, ColourBlue));
  }
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    std::memcpy(image->Row(static_cast<std::int32_t>(y)), row.data(), row.size() * sizeof(std::uint32_t));
  }
}

}  // namespace rw
