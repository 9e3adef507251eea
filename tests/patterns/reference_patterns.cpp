#include "tests/patterns/reference_patterns.h"

#include "platform/base/random.h"
#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw::test {

void LiteralVerticalLines() {
  for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 2) DrawLine(x, 0, x, ScreenHeight - 1, 0);
}

void LiteralConcentricCircles() {
  Colour next = 0xFFFFFF;
  for (std::int64_t r = ScreenHeight / 2; r >= 1; --r) {
    DrawCircle(ScreenWidth / 2, ScreenHeight / 2, r, (r % 2) * next);
    next = Random(0xFFFFFF);
  }
}

void LiteralConcentricRectangles() {
  Colour next = 0xFFFFFF;
  for (std::int64_t i = 0; i <= ScreenHeight / 2 - 1; ++i) {
    DrawBox(i, i, ScreenWidth - 2 * i, ScreenHeight - 2 * i, (i % 2) * next);
    next = Random(0xFFFFFF);
  }
}

void LiteralRandomPixels() {
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    for (std::int64_t x = 0; x < ScreenWidth; ++x) Plot(x, y, Random(0xFFFFFF));
  }
}

void LiteralSmallText() {
  SetDrawingFont(FontHandle(1));
  for (std::int64_t x = 0; x < ScreenWidth; x += 250) {
    for (std::int64_t y = 0; y < ScreenHeight; y += 50) DrawText(x, y, AlphabetText);
  }
  SetDrawingFont(FontHandle(0));
}

}  // namespace rw::test
