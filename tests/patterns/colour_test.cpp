#include "patterns/patterns.h"
#include "patterns/rainbow.h"
#include "platform/base/float_to_int.h"
#include "state/globals.h"
#include "tests/patterns/area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace rw::test {
namespace {

using Components = std::array<std::int64_t, 3>;

// The rainbow's colour of every column of a width-`w` area.
std::vector<Components> RainbowColumns(std::int64_t w) {
  ScreenWidth = w;
  const std::int64_t s = FloatToInt(static_cast<double>(w) / 6.0);
  std::vector<Components> columns;
  for (std::int64_t x = 0; x < w; ++x) {
    SetRainbowColour(x, s);
    columns.push_back({ColourRed, ColourGreen, ColourBlue});
  }
  return columns;
}

TEST(Rainbow, ColumnsOfAWidthThatIsAMultipleOfSix) {
  const std::vector<Components> c = RainbowColumns(1914);
  EXPECT_EQ(c[0], (Components{255, 0, 0}));
  EXPECT_EQ(c[319], (Components{255, 254, 0}));
  EXPECT_EQ(c[320], (Components{254, 255, 0}));
  EXPECT_EQ(c[638], (Components{0, 255, 0}));
  EXPECT_EQ(c[639], (Components{0, 255, 1}));
  EXPECT_EQ(c[1913], (Components{255, 0, 1}));
}

TEST(Rainbow, ColumnsBeyondTheLastSectionRepeatIt) {
  const std::vector<Components> narrow = RainbowColumns(1274);
  EXPECT_EQ(narrow[1272], (Components{255, 0, 3}));
  EXPECT_EQ(narrow[1273], narrow[1272]);
  const std::vector<Components> c = RainbowColumns(1018);
  EXPECT_EQ(c[1014], (Components{255, 0, 9}));
  for (int x = 1015; x <= 1017; ++x) EXPECT_EQ(c[x], c[1014]) << x;
  for (const Components& tiny : RainbowColumns(5)) EXPECT_EQ(tiny, (Components{255, 0, 0}));
}

TEST(Rainbow, RampsThatDipBelowZeroAreHeldAtZero) {
  // Left unchecked these columns would pack -3 and -1 and show near white.
  const std::vector<Components> c = RainbowColumns(1018);
  EXPECT_EQ(c[677], (Components{0, 0, 255}));
  EXPECT_EQ(c[678], (Components{0, 0, 255}));
  EXPECT_EQ(RainbowColumns(1360)[905], (Components{0, 0, 255}));
  EXPECT_EQ(RainbowColumns(794)[529], (Components{0, 0, 255}));
  // Every column of every width is a pure hue: one component 0, one 255,
  // all within 0..255.
  for (std::int64_t w = 1; w <= 2000; w += 7) {
    for (const Components& col : RainbowColumns(w)) {
      ASSERT_TRUE(std::all_of(col.begin(), col.end(), [](std::int64_t v) { return v >= 0 && v <= 255; })) << w;
      ASSERT_NE(std::find(col.begin(), col.end(), 0), col.end()) << w;
      ASSERT_NE(std::find(col.begin(), col.end(), 255), col.end()) << w;
    }
  }
}

TEST(Rainbow, ImageHasTheColumnColoursOnEveryRowEitherWay) {
  for (int w : {1, 5, 7, 1018}) {
    MakeArea(w, 6);
    const QImage literal = PaintOnArea(DrawRainbowSpectrum);
    MakeArea(w, 6);
    const QImage direct = PaintOnArea(DrawRainbowSpectrum, Direct::Yes);
    ASSERT_EQ(direct, literal) << w;
    const std::vector<Components> c = RainbowColumns(w);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(ColourAt(direct, x, y), Rgb(c[x][0], c[x][1], c[x][2])) << x;
    }
  }
  // The globals keep the last column.
  MakeArea(1018, 2);
  PaintOnArea(DrawRainbowSpectrum, Direct::Yes);
  EXPECT_EQ((Components{ColourRed, ColourGreen, ColourBlue}), (Components{255, 0, 9}));
}

// The bar colour of every column of row `y`, run-length encoded as
// (first column, colour).
std::vector<std::pair<int, Colour>> Runs(const QImage& image, int y) {
  std::vector<std::pair<int, Colour>> runs;
  for (int x = 0; x < image.width(); ++x) {
    const Colour c = ColourAt(image, x, y);
    if (runs.empty() || runs.back().second != c) runs.emplace_back(x, c);
  }
  return runs;
}

TEST(ColourBars, EightBarsAndTheRestInBlack) {
  MakeArea(1914, 4);
  const QImage image = PaintOnArea(DrawColourBars, Direct::Yes);
  const std::vector<std::pair<int, Colour>> expected = {{0, 0xFFFFFF},    {239, 0x00FFFF},  {478, 0xFFFF00},
                                                        {717, 0x00FF00},  {956, 0xFF00FF},  {1195, 0x0000FF},
                                                        {1434, 0xFF0000}, {1673, 0x000000}};
  for (int y = 0; y < 4; ++y) EXPECT_EQ(Runs(image, y), expected);
  MakeArea(1024, 2);
  const std::vector<std::pair<int, Colour>> even = Runs(PaintOnArea(DrawColourBars), 1);
  ASSERT_EQ(even.size(), 8u);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(even[k].first, 128 * k);
  MakeArea(7, 3);
  EXPECT_EQ(CountOther(PaintOnArea(DrawColourBars), 0, 0, 7, 3, 0), 0);
}

}  // namespace
}  // namespace rw::test
