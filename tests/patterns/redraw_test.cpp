#include "patterns/patterns.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
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
  EXPECT_EQ(RedrawPattern(static_cast<std::int64_t>(TestSeries().size())), 0);
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

TEST(Series, IdsKeysAndNumbers) {
  const auto series = TestSeries();
  ASSERT_EQ(series.size(), 24u);
  const char* const ids[24] = {"vertical-lines", "horizontal-lines", "circles", "rectangles", "random-pixels",
                               "rainbow", "small-text", "colour-bars", "one-colour", "white", "black", "red",
                               "green", "blue", "grey", "black-levels", "white-levels", "gradients", "gamma",
                               "inversion", "checkerboard", "chroma", "motion", "frame-sequence"};
  for (std::int64_t k = 0; k < 24; ++k) {
    EXPECT_EQ(series[k].id, ids[k]);
    EXPECT_EQ(SeriesNumberOf(ids[k]), k);
    EXPECT_EQ(SeriesImageAt(k), &series[k]);
    // The nine keep their digits; the others have distinct capitals.
    if (k < kBasicPatterns) {
      EXPECT_EQ(series[k].key, '0' + k);
    } else {
      EXPECT_TRUE(series[k].key >= 'A' && series[k].key <= 'Z') << k;
      for (std::int64_t j = kBasicPatterns; j < k; ++j) EXPECT_NE(series[j].key, series[k].key) << j << " " << k;
    }
  }
  for (const char* unknown : {"", "Gamma", "gamma ", "9", "white-level", "Motion", "frame"}) {
    EXPECT_EQ(SeriesNumberOf(unknown), std::nullopt) << unknown;
  }
  EXPECT_EQ(SeriesImageAt(24), nullptr);
  EXPECT_EQ(SeriesImageAt(-1), nullptr);
  EXPECT_EQ(SeriesIdList().substr(0, 32), "vertical-lines, horizontal-lines");
  // The help's list: every image with its key, lines of at most 78.
  const std::string keys = SeriesKeyList();
  for (const SeriesImage& image : series) {
    EXPECT_NE(keys.find(std::string(image.id) + " (" + static_cast<char>(image.key) + ")"), std::string::npos);
  }
  std::size_t line_start = 0;
  for (std::size_t end = keys.find('\n'); end != std::string::npos; end = keys.find('\n', line_start)) {
    EXPECT_LE(end - line_start, 78u);
    EXPECT_EQ(keys.compare(line_start, 2, "  "), 0);
    line_start = end + 1;
  }
  EXPECT_EQ(line_start, keys.size());
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
