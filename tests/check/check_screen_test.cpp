#include "check/check_screen.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"
#include "tests/patterns/area.h"

#include <QImage>

#include <gtest/gtest.h>

namespace rw::test {
namespace {

// Rows of `a` and `b` that differ, as a list of row numbers.
std::vector<int> DifferingRows(const QImage& a, const QImage& b) {
  std::vector<int> rows;
  for (int y = 0; y < a.height(); ++y) {
    if (std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<std::size_t>(a.bytesPerLine())) != 0) {
      rows.push_back(y);
    }
  }
  return rows;
}

QImage Redrawn(const std::string& id) {
  EXPECT_EQ(RedrawPattern(SeriesNumberOf(id).value_or(-1)), 1);
  return ImageHandle(0)->copy();
}

StripView View() {
  StripView view;
  view.name = u"Bild"_qs;
  view.look_for = u"Worauf"_qs;
  return view;
}

// The image stays the series' own outside the strip's rows; without the
// strip, and after it was hidden and shown again, the whole image is.
TEST(CheckScreen, ShowsTheImageOneToOneOutsideTheStrip) {
  for (const auto& [id, side] : {std::pair{"checkerboard", StripSide::Bottom}, std::pair{"gamma", StripSide::Bottom},
                                 std::pair{"black-levels", StripSide::Top}}) {
    SCOPED_TRACE(id);
    for (const auto& [w, h] : {std::pair{1366, 768}, std::pair{1023, 767}}) {
      MakeArea(w, h);
      const QImage plain = Redrawn(id);
      CheckScreen screen;
      const std::vector<std::uint8_t> thumbnail = screen.ShowImage(*SeriesNumberOf(id), side, View());
      const std::vector<int> rows = DifferingRows(*ImageHandle(0), plain);
      ASSERT_FALSE(rows.empty());
      const int first = side == StripSide::Top ? 0 : h - 30;
      EXPECT_GE(rows.front(), first);
      EXPECT_LT(rows.back(), first + 30);
      const QImage with_strip = ImageHandle(0)->copy();

      screen.ShowStrip(std::nullopt);
      EXPECT_TRUE(DifferingRows(*ImageHandle(0), plain).empty());
      screen.ShowStrip(View());
      EXPECT_TRUE(DifferingRows(*ImageHandle(0), with_strip).empty());

      QImage small;
      ASSERT_TRUE(small.loadFromData(thumbnail.data(), static_cast<int>(thumbnail.size()), "PNG"));
      EXPECT_EQ(small.width(), 240);
      EXPECT_EQ(small.height(), 240 * h / w);
    }
  }
}

TEST(CheckScreen, TheSummaryCoversTheWholeArea) {
  MakeArea(640, 480);
  LoadFont(2, u"Arial"_qs, 12);
  const QImage before = Redrawn("white");
  CheckScreen screen;
  SummaryView view;
  view.totals = {18, 10, 3, 2, 3};
  view.ended_early = true;
  view.html_path = "/tmp/R.html";
  screen.ShowSummary(view, 2);
  const QImage after = ImageHandle(0)->copy();
  EXPECT_EQ(CountOther(after, 0, 0, 640, 1, Rgb(40, 40, 40)), 0);
  EXPECT_EQ(CountOther(after, 0, 479, 640, 480, Rgb(40, 40, 40)), 0);
  EXPECT_GT(CountOther(after, 0, 0, 640, 480, Rgb(40, 40, 40)), 500);  // its text
}

}  // namespace
}  // namespace rw::test
