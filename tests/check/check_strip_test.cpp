#include "check/check_steps.h"
#include "check/check_strip.h"
#include "patterns/series.h"
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/series_reference.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <string>

namespace rw::test {
namespace {

constexpr Colour kStripGround = Rgb(40, 40, 40);

// The strip's rows for `side` on a w x h area at `dpi`, as the check draws
// them in font 0.
StripRows RowsAt(StripSide side, int w, int h, int dpi) {
  SetScreenDpiForTesting(dpi);
  MakeArea(w, h);
  StripRows rows;
  PaintOnArea([&] { rows = CheckStripRows(side, h); });
  return rows;
}

int CellHeight() {
  const QFontMetrics metrics(*FontHandle(0));
  return metrics.ascent() + metrics.descent();
}

class StripPlaces : public testing::TestWithParam<std::tuple<int, int, int>> {
 protected:
  void TearDown() override { SetScreenDpiForTesting(96); }
};

// Over every image the strip covers only rows that do not carry what the
// image tests, at 100 % and 150 % and on odd sizes: the levels' squares and
// labels, the gamma scale's labels and patches, the caption of the nine;
// inversion and colour resolution lose only their own label rows at 100 %.
TEST_P(StripPlaces, CoverNothingTheImageTests) {
  const auto [w, h, dpi] = GetParam();
  const StripRows top = RowsAt(StripSide::Top, w, h, dpi);
  const StripRows bottom = RowsAt(StripSide::Bottom, w, h, dpi);
  const int cell = CellHeight();
  for (const CheckStep& step : CheckSteps()) {
    SCOPED_TRACE(std::string(step.id));
    const StripRows rows = step.strip == StripSide::Top ? top : bottom;
    ASSERT_GT(rows.height, 0);
    EXPECT_TRUE(rows.top == 0 || rows.top + rows.height == h);
    const std::int64_t number = SeriesNumberOf(step.id).value_or(-1);
    ASSERT_GE(number, 0);
    if (number < kBasicPatterns) {
      // The caption's cell starts 100 rows above the bottom.
      EXPECT_EQ(step.strip, StripSide::Bottom);
      EXPECT_GE(rows.top, h - 100 + cell);
      continue;
    }
    const ReferenceImage reference = ReferenceFor(std::string(step.id), w, h);
    // Images without a plain reference here are held to it in their own tests.
    if (!reference.pixel) continue;
    for (const ReferenceLabel& label : reference.labels) {
      const bool inside = label.y < rows.top + rows.height && label.y + cell > rows.top;
      if (step.id == "inversion" || step.id == "chroma") continue;
      EXPECT_FALSE(inside) << "label " << label.text.toStdString() << " at " << label.y;
    }
    for (int y = static_cast<int>(rows.top); y < rows.top + rows.height; ++y) {
      const Colour first = reference.pixel(0, y);
      int differing = 0;
      for (int x = 0; x < w; ++x) differing += reference.pixel(x, y) != first;
      if (step.id == "black-levels" || step.id == "white-levels") {
        ASSERT_EQ(differing, 0) << "a square in row " << y;
      } else if (step.id == "gamma") {
        ASSERT_EQ(differing, 0) << "a patch in row " << y;
      } else if ((step.id == "inversion" || step.id == "chroma") && dpi == 96) {
        ASSERT_EQ(differing, 0) << "the pattern in row " << y;
        ASSERT_EQ(first, Rgb(0, 0, 0)) << "row " << y;
      }
    }
    if ((step.id == "inversion" || step.id == "chroma") && dpi == 96) {
      // Exactly the label strip: the row below it is the pattern's.
      int differing = 0;
      for (int x = 0; x < w; ++x) differing += reference.pixel(x, static_cast<int>(rows.height)) != Rgb(0, 0, 0);
      EXPECT_GT(differing, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Areas, StripPlaces,
                         testing::Values(std::tuple{1366, 768, 96}, std::tuple{1920, 1080, 96}, std::tuple{1920, 1080, 144},
                                         std::tuple{1023, 767, 96}, std::tuple{1023, 767, 144}, std::tuple{3840, 2160, 192},
                                         std::tuple{800, 600, 144}));

TEST(CheckStrip, ThirtyRowsAtNinetySixDotsAndMoreWithTheFont) {
  EXPECT_EQ(RowsAt(StripSide::Top, 1366, 768, 96).height, 30);
  EXPECT_EQ(RowsAt(StripSide::Bottom, 1366, 768, 96).top, 738);
  const StripRows at_150 = RowsAt(StripSide::Bottom, 1920, 1080, 144);
  EXPECT_EQ(at_150.height, 45);
  EXPECT_EQ(at_150.top, 1035);
  EXPECT_GE(at_150.height, 2 * CellHeight() + 4);
  EXPECT_EQ(RowsAt(StripSide::Bottom, 100, 20, 96).height, 20);  // never beyond the area
  EXPECT_EQ(RowsAt(StripSide::Bottom, 100, 20, 96).top, 0);
  SetScreenDpiForTesting(96);
}

// The strip paints its rows and nothing else, with its texts on its ground
// and the field in white.
TEST(CheckStrip, PaintsItsRowsOnly) {
  MakeArea(1366, 768);
  constexpr QRgb kMarker = 0xFF123456u;
  ImageHandle(0)->fill(kMarker);
  StripView view;
  view.number = 10;
  view.count = 18;
  view.name = u"Schwarzwerte 1 bis 32"_qs;
  view.look_for = u"Welches Quadrat hebt sich als erstes vom Schwarz ab?"_qs;
  view.reading = ReadingKind::BlackLevel;
  view.reading_text = u"5"_qs;
  const QImage image = PaintOnArea([&] { DrawCheckStrip(view, CheckStripRows(StripSide::Top, 768)); });
  EXPECT_EQ(CountOther(image, 0, 30, 1366, 768, Rgb(0x12, 0x34, 0x56)), 0);
  EXPECT_EQ(CountOther(image, 0, 0, 1, 30, kStripGround), 0);
  EXPECT_GT(CountOther(image, 0, 0, 1366, 30, kStripGround), 1000);  // the texts
  EXPECT_GT(1366 * 30 - CountOther(image, 0, 0, 1366, 30, Rgb(255, 255, 255)), 200);  // the field
}

TEST(CheckStrip, ALongNoteAndANarrowAreaStayInTheStrip) {
  MakeArea(120, 200);
  StripView view;
  view.in_note = true;
  view.note = Text(500, u'x') + u"ENDE"_qs;
  const QImage image = PaintOnArea([&] { DrawCheckStrip(view, CheckStripRows(StripSide::Bottom, 200)); });
  EXPECT_EQ(CountOther(image, 0, 0, 120, 170, Rgb(255, 255, 255)), 0);
}

}  // namespace
}  // namespace rw::test
