#include "app/globals.h"
#include "patterns/patterns.h"
#include "platform/drawing.h"
#include "platform/float_to_int.h"

namespace rw {

void DrawColourBars() {
  // White, yellow, cyan, green, magenta, red, blue; black takes the rest.
  constexpr Colour kBars[7] = {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0xFF0000};
  for (std::int64_t k = 0; k < 7; ++k) {
    const std::int64_t bar_width = FloatToInt(static_cast<double>(ScreenWidth) / 8.0);
    DrawBox(k * bar_width, 0, bar_width, ScreenHeight, kBars[k]);
  }
  const std::int64_t bar_width = FloatToInt(static_cast<double>(ScreenWidth) / 8.0);
  DrawBox(7 * bar_width, 0, ScreenWidth - 7 * bar_width, ScreenHeight, 0x000000);
}

}  // namespace rw
