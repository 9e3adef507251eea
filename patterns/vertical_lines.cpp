#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/raster/drawing.h"
#include "platform/raster/pixel_target.h"
#include "state/globals.h"

#include <cstring>
#include <vector>

namespace rw {
namespace {

// Row-wise form of the grating: every row is black on the even columns and
// white on the odd ones (the ground of the redraw, written again so that the
// redraw need not clear first). Callers make sure the image is the drawing
// area.
void CopyGratingRows(const PixelTarget* image) {
  std::vector<std::uint32_t> row(static_cast<std::size_t>(ScreenWidth));
  for (std::size_t x = 0; x < row.size(); ++x) row[x] = x % 2 == 0 ? PixelOf(0) : PixelOf(0xFFFFFF);
  for (std::int64_t y = 0; y < ScreenHeight; ++y) {
    std::memcpy(image->Row(static_cast<std::int32_t>(y)), row.data(), row.size() * sizeof(std::uint32_t));
  }
}

}  // namespace

void DrawVerticalLines() {
  if (const PixelTarget* image = PatternTarget()) {
    CopyGratingRows(image);
  } else {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 2) DrawLine(x, 0, x, ScreenHeight - 1, 0);
  }
  LineOrientation = u"senkrecht"_qs;
}

}  // namespace rw
