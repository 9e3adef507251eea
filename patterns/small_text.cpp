#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>
#include <vector>

namespace rw {
namespace {

constexpr std::uint32_t kWhitePixel = 0xFFFFFFFFu;

// Rows of the text cell that the first copy painted at (0, 0) onto the white
// ground: the cell is opaque, and none of its rows is all glyph, so it ends
// at the first row that is white across its width.
std::int64_t CellRows(const PixelTarget* image, std::int64_t width) {
  std::int64_t rows = 0;
  for (; rows < ScreenHeight; ++rows) {
    const std::uint32_t* row = image->Row(static_cast<std::int32_t>(rows));
    if (std::all_of(row, row + width, [](std::uint32_t p) { return p == kWhitePixel; })) break;
  }
  return rows;
}

// Every copy renders the same text in the same font onto its own opaque cell,
// so after the first one has been drawn the others are copies of its pixels,
// placed in the same order so that overlapping cells (large fonts) cover one
// another as they would. Callers make sure the image is the freshly cleared
// drawing area.
void CopyAlphabet(const PixelTarget* image) {
  const std::int64_t width = std::min(DrawText(0, 0, AlphabetText), ScreenWidth);
  if (width <= 0) return;
  const std::int64_t rows = CellRows(image, width);
  std::vector<std::uint32_t> cell(static_cast<std::size_t>(width * rows));
  for (std::int64_t j = 0; j < rows; ++j) {
    std::copy_n(image->Row(static_cast<std::int32_t>(j)), width, cell.begin() + j * width);
  }
  for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 250) {
    for (std::int64_t y = 0; y <= ScreenHeight - 1; y += 50) {
      if (x == 0 && y == 0) continue;
      const std::int64_t w = std::min(width, ScreenWidth - x);
      const std::int64_t h = std::min(rows, ScreenHeight - y);
      for (std::int64_t j = 0; j < h; ++j) std::copy_n(cell.begin() + j * width, w, image->Row(static_cast<std::int32_t>(y + j)) + x);
    }
  }
}

}  // namespace

void DrawSmallText() {
  SetDrawingFont(FontHandle(1));
  if (const PixelTarget* image = PatternTarget(); image && ScreenWidth > 0 && ScreenHeight > 0) {
    CopyAlphabet(image);
  } else {
    for (std::int64_t x = 0; x <= ScreenWidth - 1; x += 250) {
      for (std::int64_t y = 0; y <= ScreenHeight - 1; y += 50) DrawText(x, y, AlphabetText);
    }
  }
  SetDrawingFont(FontHandle(0));
}

}  // namespace rw
