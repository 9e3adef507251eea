#include "tests/drawing/surface_fixture.h"

namespace rw::testing {
namespace {

constexpr Colour kInk = 0xABCDEF;

using DrawCircleTest = SurfaceTest;

TEST_F(DrawCircleTest, RadiiZeroToFourGiveTheirPixelSets) {
  const char* expected[] = {
      "...\n"
      ".#.\n"
      "...\n",

      ".....\n"
      "..#..\n"
      ".###.\n"
      "..#..\n"
      ".....\n",

      ".......\n"
      "..###..\n"
      ".#####.\n"
      ".#####.\n"
      ".#####.\n"
      "..###..\n"
      ".......\n",

      ".........\n"
      "...###...\n"
      "..#####..\n"
      ".#######.\n"
      ".#######.\n"
      ".#######.\n"
      "..#####..\n"
      "...###...\n"
      ".........\n",

      "...........\n"
      "....###....\n"
      "..#######..\n"
      "..#######..\n"
      ".#########.\n"
      ".#########.\n"
      ".#########.\n"
      "..#######..\n"
      "..#######..\n"
      "....###....\n"
      "...........\n",
  };
  for (int r = 0; r <= 4; ++r) {
    Open(2 * r + 3, 2 * r + 3);
    DrawCircle(r + 1, r + 1, r, kInk);
    EXPECT_EQ(Picture(kInk), expected[r]) << "radius " << r;
  }
}

TEST_F(DrawCircleTest, DiscIsSymmetricAndSpansTwoRPlusOne) {
  for (int r : {5, 17, 40, 101}) {
    const int size = 2 * r + 3, c = r + 1;
    Open(size, size);
    DrawCircle(c, c, r, kInk);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const Colour p = At(x, y);
        ASSERT_EQ(p, At(size - 1 - x, y)) << r;
        ASSERT_EQ(p, At(x, size - 1 - y)) << r;
        ASSERT_EQ(p, At(y, x)) << r;
      }
    }
    EXPECT_EQ(At(c - r, c), kInk);
    EXPECT_EQ(At(c + r, c), kInk);
    EXPECT_EQ(At(c, c - r), kInk);
    EXPECT_EQ(At(c, c + r), kInk);
    EXPECT_EQ(At(c - r - 1, c), 0);
    EXPECT_EQ(At(c, c + r + 1), 0);
  }
}

TEST_F(DrawCircleTest, NegativeAndAbsurdRadiiDrawNothing) {
  Open(9, 9);
  DrawCircle(4, 4, -1, kInk);
  DrawCircle(4, 4, INT32_MIN, kInk);
  DrawCircle(4, 4, INT32_MAX, kInk);
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
}

TEST_F(DrawCircleTest, LargeRadiusNeeds64BitArithmetic) {
  // At r = 1000 the third powers pass 2^32 by far; the disc must still reach
  // exactly its four extreme pixels.
  Open(2003, 2003);
  DrawCircle(1001, 1001, 1000, kInk);
  EXPECT_EQ(At(1, 1001), kInk);
  EXPECT_EQ(At(0, 1001), 0);
  EXPECT_EQ(At(1001, 2001), kInk);
  EXPECT_EQ(At(1001, 2002), 0);
  EXPECT_EQ(At(1001, 1001), kInk);
  EXPECT_EQ(At(2, 2), 0);
}

}  // namespace
}  // namespace rw::testing
