#include "patterns/patterns.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/reference_patterns.h"

#include <gtest/gtest.h>

namespace rw::test {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;

// Whether a label cell starts at (x, y): its top-left pixel and the one
// right of it are covered by the opaque cell (not white), the row above is
// not, and the cell holds red glyph pixels.
bool LabelAt(const QImage& image, int x, int y) {
  if (ColourAt(image, x, y) == kWhite || ColourAt(image, x + 1, y) == kWhite) return false;
  if (y > 0 && ColourAt(image, x + 1, y - 1) != kWhite) return false;
  for (int j = 0; j < 12; ++j) {
    for (int i = 0; i < 8; ++i) {
      const Colour c = ColourAt(image, x + i, y + j);
      if ((c & 0xFF) > 100 && (c >> 8) == 0) return true;
    }
  }
  return false;
}

TEST(Gratings, VerticalLinesOnEvenColumnsWithLabelsOnTheMiddleRow) {
  MakeArea(1914, 1014);
  const QImage image = PaintOnArea([] { DrawVerticalLines(), DrawLineLabels(); }, Direct::Yes);
  EXPECT_EQ(LineOrientation, u"senkrecht"_qs);
  // Away from the labels the grating is exact: black even columns up to
  // 1912, white odd ones, column 1913 white.
  for (int y : {0, 1, 300, 506, 540, 1013}) {
    for (int x = 0; x < 1914; ++x) ASSERT_EQ(ColourAt(image, x, y), x % 2 == 0 && x <= 1912 ? kBlack : kWhite) << x << "," << y;
  }
  int labels = 0;
  for (int x = 0; x < 1914; x += 50) labels += LabelAt(image, x, 507);
  EXPECT_EQ(labels, 39);
  EXPECT_FALSE(LabelAt(image, 25, 507));
}

TEST(Gratings, HorizontalLinesOnEvenRowsWithLabelsOnTheMiddleColumn) {
  MakeArea(1914, 1014);
  const QImage image = PaintOnArea([] { DrawHorizontalLines(), DrawLineLabels(); }, Direct::Yes);
  EXPECT_EQ(LineOrientation, u"waagrecht"_qs);
  for (int x : {0, 1, 500, 956, 1100, 1913}) {
    for (int y = 0; y < 1014; ++y) ASSERT_EQ(ColourAt(image, x, y), y % 2 == 0 && y <= 1012 ? kBlack : kWhite) << x << "," << y;
  }
  int labels = 0;
  // Rows 0, 100, ... are black grating rows, so the cell test looks one row
  // down into the cell, against the white odd row above the next label.
  for (int y = 0; y < 1014; y += 50) {
    labels += ColourAt(image, 958, y + 1) != kWhite && ColourAt(image, 956, y + 1) == kWhite;
  }
  EXPECT_EQ(labels, 21);
}

TEST(Gratings, OddWidthPutsTheLastLineOnTheLastColumn) {
  MakeArea(1275, 9);
  const QImage image = PaintOnArea(DrawVerticalLines, Direct::Yes);
  EXPECT_EQ(ColourAt(image, 1274, 8), kBlack);
  EXPECT_EQ(ColourAt(image, 1273, 8), kWhite);
}

TEST(Gratings, DirectVerticalLinesMatchTheLiteralOnesOnManySizes) {
  for (int w : {1, 2, 3, 7, 64, 101, 1275}) {
    for (int h : {1, 2, 5, 33}) {
      MakeArea(w, h);
      const QImage literal = PaintOnArea(LiteralVerticalLines);
      MakeArea(w, h);
      EXPECT_EQ(PaintOnArea(DrawVerticalLines, Direct::Yes), literal) << w << "x" << h;
    }
  }
}

TEST(Gratings, EmptyAreasAndUnknownOrientationDrawNothing) {
  const QImage white = [] {
    MakeArea(40, 30);
    return PaintOnArea([] {});
  }();
  MakeArea(40, 30);
  ScreenWidth = 0;
  EXPECT_EQ(PaintOnArea([] { DrawVerticalLines(), DrawLineLabels(); }), white);
  ScreenWidth = -5;
  EXPECT_EQ(PaintOnArea([] { DrawVerticalLines(), DrawLineLabels(); }), white);
  MakeArea(40, 30);
  ScreenHeight = 0;
  EXPECT_EQ(PaintOnArea([] { DrawHorizontalLines(), DrawLineLabels(); }), white);
  MakeArea(40, 30);
  LineOrientation = u"Senkrecht"_qs;
  EXPECT_EQ(PaintOnArea(DrawLineLabels), white);
}

}  // namespace
}  // namespace rw::test
