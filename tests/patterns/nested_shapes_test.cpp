#include "patterns/patterns.h"
#include "platform/base/random.h"
#include "platform/raster/disc_rows.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/reference_patterns.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rw::test {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;

// Sizes for comparing the direct paths with the literal shapes: tiny, odd,
// even, square, wide and taller than wide.
std::vector<std::pair<int, int>> ComparisonSizes() {
  std::vector<std::pair<int, int>> sizes = {{1, 1}, {7, 5}, {5, 7}, {1, 9}, {9, 1}, {2, 2}, {3, 3}, {4, 11},
                                            {11, 4}, {1275, 9}, {64, 64}, {65, 65}, {100, 37}, {37, 100},
                                            {1, 200}, {200, 2}, {3, 150}, {150, 3}};
  for (int w = 6; w <= 80; w += 9) {
    for (int h : {6, 19, 42, 97}) sizes.emplace_back(w, h);
  }
  return sizes;
}

void ExpectDirectMatchesLiteral(void (*direct)(), void (*literal)()) {
  const std::vector<std::pair<int, int>> sizes = ComparisonSizes();
  ASSERT_GE(sizes.size(), 50u);
  for (const auto& [w, h] : sizes) {
    MakeArea(w, h);
    SeedRandom(0xC0FFEE);
    const QImage expected = PaintOnArea(literal);
    const std::int64_t expected_next = NextRandom();
    MakeArea(w, h);
    SeedRandom(0xC0FFEE);
    const QImage actual = PaintOnArea(direct, Direct::Yes);
    ASSERT_EQ(actual, expected) << w << "x" << h;
    ASSERT_EQ(NextRandom(), expected_next) << "random calls differ at " << w << "x" << h;
  }
}

TEST(DiscRows, SmallRadiiGiveTheRasterisersShapes) {
  EXPECT_EQ(DiscRowHalfWidths(0), (std::vector<std::int32_t>{0}));
  EXPECT_EQ(DiscRowHalfWidths(1), (std::vector<std::int32_t>{1, 0}));
  EXPECT_EQ(DiscRowHalfWidths(2), (std::vector<std::int32_t>{2, 2, 1}));
  EXPECT_EQ(DiscRowHalfWidths(3), (std::vector<std::int32_t>{3, 3, 2, 1}));
  EXPECT_EQ(DiscRowHalfWidths(4), (std::vector<std::int32_t>{4, 4, 3, 3, 1}));
  EXPECT_TRUE(DiscRowHalfWidths(-1).empty());
  // Every disc reaches exactly r rows up and down (the direct path relies
  // on it), up to the radii of the largest areas.
  for (int r = 0; r <= 2200; ++r) ASSERT_EQ(DiscRowHalfWidths(r).size(), static_cast<std::size_t>(r + 1)) << r;
}

TEST(ConcentricCircles, DirectPathMatchesTheLiteralDiscs) {
  ExpectDirectMatchesLiteral(DrawConcentricCircles, LiteralConcentricCircles);
}

TEST(ConcentricCircles, FullAreaRings) {
  MakeArea(1914, 1014);
  SeedRandom(7);
  const QImage image = PaintOnArea(DrawConcentricCircles, Direct::Yes);
  // Radius 507 is odd, so the outermost disc is white on white; the ring of
  // radius 506 is black; the centre shows the colour of the radius-1 disc.
  EXPECT_EQ(ColourAt(image, 957, 0), kWhite);
  EXPECT_EQ(ColourAt(image, 957, 1), kBlack);
  EXPECT_EQ(ColourAt(image, 957 - 506, 507), kBlack);
  EXPECT_EQ(ColourAt(image, 957 - 507, 507), kWhite);
  // Colours of the radius-1 disc and radius 3: the draws after the discs of
  // radius 2 and 4, that is draws 506 and 504 of the run.
  SeedRandom(7);
  std::vector<Colour> draws;
  for (int k = 0; k < 507; ++k) draws.push_back(NextRandom());
  const Colour centre = draws[505];
  EXPECT_EQ(ColourAt(image, 957, 507), centre);
  EXPECT_EQ(ColourAt(image, 958, 507), centre);
  EXPECT_EQ(ColourAt(image, 957, 508), centre);
  EXPECT_EQ(ColourAt(image, 958, 508), kBlack);  // radius 2 ring, diagonal
  EXPECT_EQ(ColourAt(image, 960, 507), draws[503]);
  // Corners lie outside every disc.
  EXPECT_EQ(ColourAt(image, 0, 0), kWhite);
  EXPECT_EQ(ColourAt(image, 1913, 1013), kWhite);
}

TEST(ConcentricRectangles, DirectPathMatchesTheLiteralBoxes) {
  ExpectDirectMatchesLiteral(DrawConcentricRectangles, LiteralConcentricRectangles);
}

TEST(ConcentricRectangles, FramesAndMiddleBand) {
  MakeArea(1914, 1014);
  SeedRandom(99);
  const QImage image = PaintOnArea(DrawConcentricRectangles, Direct::Yes);
  SeedRandom(99);
  std::vector<Colour> draws;
  for (int k = 0; k < 507; ++k) draws.push_back(NextRandom());
  // Frame i is black for even i and draw i-1 for odd i, all round.
  for (int i : {0, 1, 2, 3, 250, 251, 505}) {
    const Colour expected = i % 2 ? draws[i - 1] : kBlack;
    EXPECT_EQ(ColourAt(image, i, 1013 - i), expected) << i;
    EXPECT_EQ(ColourAt(image, 1913 - i, i), expected) << i;
    EXPECT_EQ(ColourAt(image, 957, i), expected) << i;
  }
  // Box 506 is black, 902 wide and 2 rows tall, from (506, 506).
  EXPECT_EQ(CountOther(image, 506, 506, 1408, 508, kBlack), 0);
  EXPECT_EQ(ColourAt(image, 505, 506), draws[504]);
  EXPECT_EQ(ColourAt(image, 1408, 507), draws[504]);
  EXPECT_EQ(ColourAt(image, 700, 505), draws[504]);
  EXPECT_EQ(ColourAt(image, 700, 508), draws[504]);
}

TEST(ConcentricRectangles, OddHeightLeavesAThreeRowBand) {
  MakeArea(20, 9);
  SeedRandom(5);
  const QImage image = PaintOnArea(DrawConcentricRectangles, Direct::Yes);
  SeedRandom(5);
  const Colour first = NextRandom();
  NextRandom();
  const Colour third = NextRandom();
  // Half of 9 is 4: boxes 0 to 3; the last, odd one is 14 x 3 from (3, 3).
  EXPECT_EQ(CountOther(image, 3, 3, 17, 6, third), 0);
  EXPECT_EQ(ColourAt(image, 2, 4), kBlack);
  EXPECT_EQ(ColourAt(image, 1, 4), first);
  EXPECT_EQ(ColourAt(image, 0, 4), kBlack);
}

TEST(NestedShapes, HeightOneDrawsNothing) {
  for (auto paint : {DrawConcentricCircles, DrawConcentricRectangles}) {
    MakeArea(30, 1);
    SeedRandom(1);
    const std::int64_t first = NextRandom();
    SeedRandom(1);
    const QImage image = PaintOnArea(paint, Direct::Yes);
    EXPECT_EQ(CountOther(image, 0, 0, 30, 1, kWhite), 0);
    EXPECT_EQ(NextRandom(), first);
  }
}

}  // namespace
}  // namespace rw::test
