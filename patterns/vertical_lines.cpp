#include "app/globals.h"
#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/pixel_target.h"
#include "platform/drawing.h"

namespace rw {
namespace {

// Row-wise form of the grating: the even pixels of every row turn black, the
// odd ones keep what is there. Callers make sure the image is the drawing
// area.
void BlackenEvenColumns(const PixelTarget* image) {
  constexpr std::uint32_t kBlack = PixelOf(0);
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    std::uint32_t* row = image->Row(static_cast<std::int32_t>(y));
    for (std::int64_t x = 0; x < ScreenWidth; x += 2) row[x] = kBlack;
  }
}

}  // namespace

void DrawVerticalLines() {
  if (const PixelTarget* image = PatternTarget()) {
    BlackenEvenColumns(image);
  } else {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 2) DrawLine(x, 0, x, ScreenHeight - 1, 0);
  }
  LineOrientation = u"senkrecht"_qs;
}

}  // namespace rw
