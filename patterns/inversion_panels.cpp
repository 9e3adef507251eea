#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>

namespace rw {
namespace {

constexpr std::int64_t kLabelRows = 30;

// One panel: its label, which of the colours A and B the pixel (x, y) of
// the whole area gets (0 for A), and the two colours.
struct Panel {
  const char16_t* label;
  std::int64_t (*kind)(std::int64_t x, std::int64_t y);
  Colour a;
  Colour b;
};

constexpr Colour kGrey = Rgb(159, 159, 159);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kMagenta = Rgb(159, 0, 159);
constexpr Colour kGreen = Rgb(0, 159, 0);

const Panel kPanels[8] = {
    {u"Punkte 1×1", [](std::int64_t x, std::int64_t y) { return (x + y) % 2; }, kGrey, kBlack},
    {u"Zeilen", [](std::int64_t, std::int64_t y) { return y % 2; }, kGrey, kBlack},
    {u"Spalten", [](std::int64_t x, std::int64_t) { return x % 2; }, kGrey, kBlack},
    {u"Punkte 2×1", [](std::int64_t x, std::int64_t y) { return (x / 2 + y) % 2; }, kGrey, kBlack},
    {u"Subpixel 1×1", [](std::int64_t x, std::int64_t y) { return (x + y) % 2; }, kMagenta, kGreen},
    {u"Punkte 1×2", [](std::int64_t x, std::int64_t y) { return (x + y / 2) % 2; }, kGrey, kBlack},
    {u"Punkte 2×2", [](std::int64_t x, std::int64_t y) { return (x / 2 + y / 2) % 2; }, kGrey, kBlack},
    {u"Subpixel 1×2", [](std::int64_t x, std::int64_t y) { return (x + y / 2) % 2; }, kMagenta, kGreen},
};

// The whole area's row for the panels of panel row `panel_row` at a y with
// y mod 4 = phase: every kind depends on y only through y mod 2 and
// (y ÷ 2) mod 2, which the phase has in common with y.
AreaRow PatternRow(std::int64_t panel_row, std::int64_t phase) {
  const std::int64_t w = ScreenWidth;
  AreaRow row(static_cast<std::size_t>(w));
  for (std::int64_t column = 0; column < 4; ++column) {
    const Panel& panel = kPanels[panel_row * 4 + column];
    for (std::int64_t x = column * w / 4; x < (column + 1) * w / 4; ++x) {
      row[static_cast<std::size_t>(x)] = PixelOf(panel.kind(x, phase) == 0 ? panel.a : panel.b);
    }
  }
  return row;
}

}  // namespace

// Eight panels in 4 columns and 2 rows, each under a black strip with its
// name: the patterns that a panel's polarity inversion may match.
void DrawInversionPanels() {
  const std::int64_t w = ScreenWidth;
  const std::int64_t h = ScreenHeight;
  if (w <= 0 || h <= 0) return;
  const AreaRow black = PlainRow(kBlack);
  for (std::int64_t panel_row = 0; panel_row < 2; ++panel_row) {
    const std::int64_t top = panel_row * h / 2;
    const std::int64_t end = (panel_row + 1) * h / 2;
    const std::int64_t pattern_first = std::min(top + kLabelRows, end);
    CopyRow(black, top, pattern_first);
    const AreaRow phases[4] = {PatternRow(panel_row, 0), PatternRow(panel_row, 1), PatternRow(panel_row, 2),
                               PatternRow(panel_row, 3)};
    for (std::int64_t y = pattern_first; y < end; ++y) CopyRow(phases[y % 4], y, y + 1);
  }
  for (std::int64_t p = 0; p < 8; ++p) {
    DrawText(p % 4 * w / 4 + 4, p / 4 * h / 2 + 6, Text::fromUtf16(kPanels[p].label));
  }
}

}  // namespace rw
