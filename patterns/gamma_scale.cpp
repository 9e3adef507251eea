#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

constexpr std::int64_t kLabelRows = 40;
constexpr std::int64_t kColumns = 17;

// The grey that looks as bright as half the lines' light at gamma
// 1.0 + column / 10.
std::int64_t GammaGrey(std::int64_t column) {
  const double gamma = 1.0 + static_cast<double>(column) / 10.0;
  return static_cast<std::int64_t>(std::floor(255.0 * std::pow(0.5, 1.0 / gamma) + 0.5));
}

// `row` with the 17 patches' columns in their greys.
AreaRow WithPatches(AreaRow row) {
  const std::int64_t w = ScreenWidth;
  for (std::int64_t j = 0; j < kColumns; ++j) {
    const std::int64_t x0 = j * w / kColumns;
    const std::int64_t width = (j + 1) * w / kColumns - x0;
    const std::int64_t grey = GammaGrey(j);
    std::fill(row.begin() + x0 + width / 4, row.begin() + x0 + 3 * width / 4, PixelOf(Rgb(grey, grey, grey)));
  }
  return row;
}

}  // namespace

// Under 40 black rows with the gamma values, black and white lines one
// pixel each, and on them a patch of solid grey per column.
void DrawGammaScale() {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  if (w <= 0 || h <= 0) return;
  const AreaRow lines[2] = {PlainRow(Rgb(0, 0, 0)), PlainRow(Rgb(255, 255, 255))};
  const AreaRow patched[2] = {WithPatches(lines[0]), WithPatches(lines[1])};
  CopyRow(lines[0], 0, std::min(h, kLabelRows));
  const std::int64_t lined = std::max<std::int64_t>(h - kLabelRows, 0);
  const std::int64_t patch_first = kLabelRows + lined / 4;
  const std::int64_t patch_end = kLabelRows + 3 * lined / 4;
  for (std::int64_t y = kLabelRows; y < h; ++y) {
    const std::size_t odd = (y - kLabelRows) % 2;
    CopyRow(y >= patch_first && y < patch_end ? patched[odd] : lines[odd], y, y + 1);
  }
  for (std::int64_t j = 0; j < kColumns; ++j) {
    DrawText(j * w / kColumns + 4, 12, NumberToText(1 + j / 10) + u","_qs + NumberToText(j % 10));
  }
}

}  // namespace rw
