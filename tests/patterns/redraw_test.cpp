#include "patterns/patterns.h"
#include "patterns/redraw.h"
#include "platform/base/random.h"
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/reference_patterns.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw::test {
namespace {

// The procedures of each pattern, the heavy ones in their literal form.
const std::function<void()> kLiteral[9] = {
    [] { LiteralVerticalLines(), LineOrientation = u"senkrecht"_qs, DrawLineLabels(); },
    [] { DrawHorizontalLines(), DrawLineLabels(); },
    LiteralConcentricCircles,
    LiteralConcentricRectangles,
    LiteralRandomPixels,
    DrawRainbowSpectrum,
    LiteralSmallText,
    DrawColourBars,
    [] { MonochromeMode = 1, DrawMonochromeArea(); },
};

TEST(Redraw, EveryPatternMatchesTheLiteralRepaint) {
  for (auto [w, h] : {std::pair{1, 1}, std::pair{7, 5}, std::pair{5, 7}, std::pair{1275, 9}, std::pair{300, 260}}) {
    for (int p = 0; p <= 8; ++p) {
      MakeArea(w, h);
      MetricsText = u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"_qs;
      // Start from black, so a missing clear would show.
      ImageHandle(0)->fill(0xFF000000u);
      SeedRandom(11);
      const QImage expected = PaintOnArea([p] {
        DrawBox(0, 0, ScreenWidth, ScreenHeight, 0xFFFFFF);
        kLiteral[p]();
        DrawCaption();
      });
      MakeArea(w, h);
      MetricsText = u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"_qs;
      ImageHandle(0)->fill(0xFF000000u);
      SeedRandom(11);
      EXPECT_EQ(RedrawPattern(p), 1);
      ASSERT_EQ(*ImageHandle(0), expected) << "pattern " << p << " at " << w << "x" << h;
      EXPECT_EQ(MonochromeMode, p == 8 ? 1 : 0);
    }
  }
}

TEST(Redraw, NoSessionOrNoPatternPaintsNothing) {
  MakeArea(8, 8);
  MonochromeMode = 1;
  EXPECT_EQ(RedrawPattern(9), 0);
  EXPECT_EQ(RedrawPattern(-1), 0);
  EXPECT_EQ(MonochromeMode, 0);
  EXPECT_EQ(ImageHandle(0)->pixel(3, 3), 0xFFFFFFFFu);

  ReleaseAllImages();
  MonochromeMode = 1;
  EXPECT_EQ(RedrawPattern(8), 0);
  EXPECT_EQ(MonochromeMode, 0);

  MakeArea(8, 8);
  DrawToImage = 0;  // window 0 does not exist here
  EXPECT_EQ(RedrawPattern(3), 0);
  EXPECT_EQ(ImageHandle(0)->pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(RepaintWheelArea(), 0);
}

TEST(Redraw, AreaSmallerThanTheImageFallsBackToTheLiteralShapes) {
  // The image is larger than the drawing area: only the area's pixels may
  // change, exactly as the primitives would change them.
  MakeArea(40, 30);
  ScreenWidth = 25;
  ScreenHeight = 21;
  SeedRandom(4);
  const QImage expected = PaintOnArea([] {
    DrawBox(0, 0, ScreenWidth, ScreenHeight, 0xFFFFFF);
    LiteralConcentricCircles();
    DrawCaption();
  });
  MakeArea(40, 30);
  ScreenWidth = 25;
  ScreenHeight = 21;
  SeedRandom(4);
  ASSERT_EQ(RedrawPattern(2), 1);
  EXPECT_EQ(*ImageHandle(0), expected);
  EXPECT_EQ(CountOther(expected, 25, 0, 40, 30, 0xFFFFFF), 0);
}

}  // namespace
}  // namespace rw::test
