#include "tests/drawing/surface_fixture.h"

namespace rw::testing {
namespace {

constexpr Colour kWhite = 16777215;
constexpr Colour kInk = 0x3366CC;

using DrawBoxTest = SurfaceTest;

TEST_F(DrawBoxTest, FullSurfaceBoxMakesEveryPixelWhite) {
  Open(13, 7);
  DrawBox(0, 0, 13, 7, kWhite);
  for (Colour c : Pixels()) ASSERT_EQ(c, kWhite);
}

TEST_F(DrawBoxTest, NegativeWidthExtendsLeftWithoutColumnX) {
  Open(12, 14);
  DrawBox(10, 10, -3, 2, kInk);
  std::string expected;
  for (int y = 0; y < 14; ++y) expected += (y == 10 || y == 11) ? ".......###..\n" : "............\n";
  EXPECT_EQ(Picture(kInk), expected);
}

TEST_F(DrawBoxTest, NegativeHeightExtendsUpWithoutRowY) {
  Open(6, 6);
  DrawBox(1, 4, 2, -3, kInk);
  EXPECT_EQ(Picture(kInk),
            "......\n"
            ".##...\n"
            ".##...\n"
            ".##...\n"
            "......\n"
            "......\n");
}

TEST_F(DrawBoxTest, ZeroWidthOrHeightDrawsNothing) {
  Open(5, 5);
  DrawBox(1, 1, 0, 3, kInk);
  DrawBox(1, 1, 3, 0, kInk);
  DrawBox(0, 0, 0, 0, kInk);
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
}

TEST_F(DrawBoxTest, PartlyOutsideDrawsOnlyTheInsidePart) {
  Open(5, 4);
  DrawBox(-2, 2, 4, 10, kInk);
  DrawBox(4, -3, 9, 4, kInk);
  EXPECT_EQ(Picture(kInk),
            "....#\n"
            ".....\n"
            "##...\n"
            "##...\n");
}

TEST_F(DrawBoxTest, WhollyOutsideAndHugeArgumentsDrawNothingOrClip) {
  Open(4, 3);
  DrawBox(4, 0, 5, 5, kInk);
  DrawBox(-5, 0, 5, 5, kInk);
  DrawBox(0, 3, 5, 5, kInk);
  DrawBox(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, kInk);
  DrawBox(INT32_MIN, 0, INT32_MIN, 3, kInk);
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
  DrawBox(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kInk);  // reaches to -2
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
  DrawBox(-100, -100, 101, INT32_MAX, kInk);
  EXPECT_EQ(Picture(kInk), "#...\n#...\n#...\n");
}

TEST_F(DrawBoxTest, ArgumentsAreTakenAsTheirLow32Bits) {
  Open(6, 3);
  const std::int64_t high = std::int64_t{1} << 32;
  DrawBox(high + 1, high, high + 2, 5 * high + 1, kInk);
  EXPECT_EQ(Picture(kInk), ".##...\n......\n......\n");
}

TEST_F(DrawBoxTest, ColourUsesOnlyTheLow24BitsWithRedInTheLowByte) {
  Open(2, 1);
  DrawBox(0, 0, 1, 1, 255);
  DrawBox(1, 0, 1, 1, 0x7F00000000FF0000);
  EXPECT_EQ(ImageHandle(kImage)->pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(ImageHandle(kImage)->pixel(1, 0), 0xFF0000FFu);
}

}  // namespace
}  // namespace rw::testing
