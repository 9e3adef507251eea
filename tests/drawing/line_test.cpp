#include "tests/drawing/surface_fixture.h"

namespace rw::testing {
namespace {

constexpr Colour kInk = 0x00FF00;

using DrawLineTest = SurfaceTest;

TEST_F(DrawLineTest, FullColumnAndFullRow) {
  Open(7, 5);
  DrawLine(3, 0, 3, 4, kInk);
  DrawLine(0, 1, 6, 1, kInk);
  EXPECT_EQ(Picture(kInk),
            "...#...\n"
            "#######\n"
            "...#...\n"
            "...#...\n"
            "...#...\n");
}

TEST_F(DrawLineTest, EndPointsInEitherOrderAndSinglePoint) {
  Open(11, 6);
  DrawLine(9, 3, 2, 3, kInk);
  DrawLine(5, 5, 5, 5, kInk);
  DrawLine(0, 2, 0, 0, kInk);
  EXPECT_EQ(Picture(kInk),
            "#..........\n"
            "#..........\n"
            "#..........\n"
            "..########.\n"
            "...........\n"
            ".....#.....\n");
}

TEST_F(DrawLineTest, ShallowLineTieMovesTheMinorCoordinate) {
  Open(6, 4);
  DrawLine(0, 0, 4, 2, kInk);
  EXPECT_EQ(Picture(kInk),
            "#.....\n"
            ".##...\n"
            "...##.\n"
            "......\n");
}

TEST_F(DrawLineTest, WalkStartsAtTheSmallerMajorCoordinate) {
  Open(6, 4);
  DrawLine(4, 2, 0, 0, kInk);
  EXPECT_EQ(Picture(kInk),
            "#.....\n"
            ".##...\n"
            "...##.\n"
            "......\n");
}

TEST_F(DrawLineTest, SteepLineAndRisingDiagonal) {
  Open(5, 6);
  DrawLine(0, 5, 2, 0, kInk);
  DrawLine(4, 0, 1, 3, 0x0000FF);
  EXPECT_EQ(Picture(kInk),
            "..#.?\n"
            "..#?.\n"
            ".#?..\n"
            ".?...\n"
            "#....\n"
            "#....\n");
}

TEST_F(DrawLineTest, HorizontalAndVerticalLinesClip) {
  Open(4, 3);
  DrawLine(-5, 0, 1, 0, kInk);
  DrawLine(2, 2, 100, 2, kInk);
  DrawLine(3, -7, 3, 0, kInk);
  DrawLine(0, 5, 3, 5, kInk);    // row below the surface
  DrawLine(-1, 0, -1, 2, kInk);  // column left of it
  EXPECT_EQ(Picture(kInk), "##.#\n....\n..##\n");
}

TEST_F(DrawLineTest, ClippedEndPointIsTruncatedAlongTheSegment) {
  Open(10, 10);
  // Enters at x = 0 where y = 1.5, which truncates to 1.
  DrawLine(-3, 0, 3, 3, kInk);
  EXPECT_EQ(Picture(kInk).substr(0, 33), "..........\n#.........\n.##.......\n");
  EXPECT_EQ(At(3, 3), kInk);
}

TEST_F(DrawLineTest, FarCoordinatesAreClampedBeforeClipping) {
  Open(8, 8);
  // Clamped to (-65000, -65000)-(65000, 65000): the main diagonal.
  DrawLine(-2000000000, -2000000000, 2000000000, 2000000000, kInk);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(At(x, y), x == y ? kInk : 0) << x << "," << y;
}

TEST_F(DrawLineTest, WhollyOutsideDrawsNothing) {
  Open(5, 5);
  DrawLine(-10, -1, -2, 4, kInk);
  DrawLine(6, 0, 9, 4, kInk);
  DrawLine(0, -3, 4, -1, kInk);
  DrawLine(0, 9, 4, 5, kInk);
  DrawLine(-5, 3, 3, -5, kInk);  // passes the corner outside
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
}

}  // namespace
}  // namespace rw::testing
