#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/reference_patterns.h"

#include <gtest/gtest.h>

namespace rw::test {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

// The metrics line of a 1920 x 1080 desktop at 32 bits per pixel (40 units).
const Text kMetrics = u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"_qs;

TEST(SmallText, OneCopyEvery250AcrossAnd50Down) {
  MakeArea(1914, 1014);
  const QImage image = PaintOnArea(DrawSmallText, Direct::Yes);
  int copies = 0;
  for (int x = 0; x < 1914; x += 250) {
    for (int y = 0; y < 1014; y += 50) {
      // Each copy's opaque cell starts at (x, y) on the white ground.
      const bool starts = ColourAt(image, x, y) != kWhite && (y == 0 || ColourAt(image, x, y - 1) == kWhite) &&
                          (x == 0 || ColourAt(image, x - 1, y) == kWhite);
      copies += starts;
    }
  }
  EXPECT_EQ(copies, 168);
  // Nothing beyond the grid: the ground between the columns stays white.
  EXPECT_EQ(ColourAt(image, 1913, 1013), kWhite);
  EXPECT_EQ(ColourAt(image, 249, 49), kWhite);
}

TEST(SmallText, CopiedCellsMatchTheLiteralTextAtSeveralSizesAndDensities) {
  for (int dpi : {96, 192, 400}) {
    SetScreenDpiForTesting(dpi);
    for (auto [w, h] : {std::pair{250, 60}, std::pair{251, 101}, std::pair{1914, 1014}, std::pair{7, 5},
                        std::pair{120, 30}, std::pair{777, 333}}) {
      MakeArea(w, h);
      const QImage literal = PaintOnArea(LiteralSmallText);
      MakeArea(w, h);
      ASSERT_EQ(PaintOnArea(DrawSmallText, Direct::Yes), literal) << dpi << " dpi, " << w << "x" << h;
    }
  }
  SetScreenDpiForTesting(96);
}

TEST(SmallText, LeavesFontZeroSelected) {
  MakeArea(300, 120);
  const QImage expected = PaintOnArea([] { DrawText(3, 60, u"Hg 8 Punkt"_qs); });
  MakeArea(300, 120);
  ScreenHeight = 50;  // one row of copies, clear of the probe text
  const QImage after = PaintOnArea([] {
    DrawSmallText();
    DrawText(3, 60, u"Hg 8 Punkt"_qs);
  });
  EXPECT_EQ(after.copy(0, 55, 300, 65), expected.copy(0, 55, 300, 65));
}

TEST(Caption, MetricsTextLeftOfTheMiddleAndTheRgbPartBehindIt) {
  MakeArea(1914, 1014);
  MetricsText = kMetrics;
  const QImage plain_expected = PaintOnArea([] { DrawText(877, 914, kMetrics); });
  MakeArea(1914, 1014);
  MetricsText = kMetrics;
  ColourRed = 1, ColourGreen = 2, ColourBlue = 3;  // ignored outside one-colour mode
  EXPECT_EQ(PaintOnArea(DrawCaption), plain_expected);

  MakeArea(1914, 1014);
  const QImage mono_expected = PaintOnArea([] { DrawText(877, 914, kMetrics + u", RGB(255 / 100 / 0)"_qs); });
  MakeArea(1914, 1014);
  MetricsText = kMetrics;
  MonochromeMode = 1;
  ColourRed = 255, ColourGreen = 100, ColourBlue = 0;
  EXPECT_EQ(PaintOnArea(DrawCaption), mono_expected);
}

TEST(Caption, NarrowAreaCutsTheTextAtTheLeftEdge) {
  MakeArea(60, 120);
  const QImage expected = PaintOnArea([] { DrawText(30 - 80, 20, kMetrics); });
  MakeArea(60, 120);
  MetricsText = kMetrics;
  const QImage image = PaintOnArea(DrawCaption);
  EXPECT_EQ(image, expected);
  EXPECT_GT(CountOther(image, 0, 20, 60, 25, kWhite), 0);
}

}  // namespace
}  // namespace rw::test
