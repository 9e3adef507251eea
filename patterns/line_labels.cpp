#include "patterns/halving.h"
#include "patterns/patterns.h"
#include "platform/base/rgb.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw {

void DrawLineLabels() {
  constexpr Colour kRed = Rgb(255, 0, 0);
  if (LineOrientation == u"senkrecht"_qs) {
    const std::int64_t y_mid = Half(ScreenHeight);
    for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 50) DrawText(x, y_mid, NumberToText(x), kRed);
  } else if (LineOrientation == u"waagrecht"_qs) {
    const std::int64_t x_mid = Half(ScreenWidth);
    for (std::int64_t y = 0; y <= ScreenHeight - 1; y += 50) DrawText(x_mid, y, NumberToText(y), kRed);
  }
}

}  // namespace rw
