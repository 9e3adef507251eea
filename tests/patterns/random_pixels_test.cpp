#include "patterns/patterns.h"
#include "platform/base/random.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/reference_patterns.h"

#include <gtest/gtest.h>

namespace rw::test {
namespace {

TEST(RandomPixels, RowByRowFromTheTopInTheGeneratorsOrder) {
  MakeArea(7, 5);
  SeedRandom(42);
  const QImage image = PaintOnArea(DrawRandomPixels, Direct::Yes);
  SeedRandom(42);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) ASSERT_EQ(ColourAt(image, x, y), NextRandom()) << x << "," << y;
  }
}

TEST(RandomPixels, DirectPathMatchesPlotOnManySizes) {
  int sizes = 0;
  for (int w : {1, 2, 3, 7, 16, 33, 100, 1275}) {
    for (int h : {1, 2, 5, 8, 31, 64, 3}) {
      MakeArea(w, h);
      SeedRandom(static_cast<std::uint32_t>(w * 1000 + h));
      const QImage literal = PaintOnArea(LiteralRandomPixels);
      const std::int64_t next = NextRandom();
      MakeArea(w, h);
      SeedRandom(static_cast<std::uint32_t>(w * 1000 + h));
      ASSERT_EQ(PaintOnArea(DrawRandomPixels, Direct::Yes), literal) << w << "x" << h;
      ASSERT_EQ(NextRandom(), next);
      ++sizes;
    }
  }
  EXPECT_GE(sizes, 50);
}

TEST(RandomPixels, EmptyAreaDrawsNothingAndDrawsNoNumber) {
  for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 5}, std::pair{5, -1}}) {
    MakeArea(6, 6);
    ScreenWidth = w;
    ScreenHeight = h;
    SeedRandom(3);
    const std::int64_t first = NextRandom();
    SeedRandom(3);
    const QImage image = PaintOnArea(DrawRandomPixels);
    EXPECT_EQ(CountOther(image, 0, 0, 6, 6, 0xFFFFFF), 0);
    EXPECT_EQ(NextRandom(), first);
  }
}

}  // namespace
}  // namespace rw::test
