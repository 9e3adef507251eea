#include "patterns/redraw.h"
#include "patterns/series.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"
#include "tests/patterns/area.h"
#include "tests/patterns/series_reference.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace rw::test {
namespace {

// Seen wherever an image leaves a pixel unpainted.
constexpr QRgb kUnpainted = 0xFF123456u;

QRgb StoredPixel(Colour c) { return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }

// The reference picture: its pixels, then its labels drawn by the text
// service (glyphs and cells are the font back end's, not the image's).
QImage Expected(const ReferenceImage& reference, int w, int h) {
  MakeArea(w, h);
  QImage* image = ImageHandle(0);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image->scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = StoredPixel(reference.pixel(x, y));
  }
  return PaintOnArea([&reference] {
    for (const ReferenceLabel& label : reference.labels) {
      SetTextBackground(label.background);
      DrawText(label.x, label.y, label.text, label.glyph);
    }
  });
}

// The image as the program's redraw paints it, over a colour it never uses
// and with a metrics text that a caption would show.
QImage Painted(std::int64_t pattern, int w, int h) {
  MakeArea(w, h);
  MetricsText = u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"_qs;
  ImageHandle(0)->fill(kUnpainted);
  EXPECT_EQ(RedrawPattern(pattern), 1);
  return ImageHandle(0)->copy();
}

// The label cells in font 0.
std::vector<QRect> LabelCells(const ReferenceImage& reference) {
  const QFontMetrics metrics(*FontHandle(0));
  std::vector<QRect> cells;
  for (const ReferenceLabel& label : reference.labels) {
    cells.emplace_back(label.x, label.y, metrics.horizontalAdvance(label.text), metrics.ascent() + metrics.descent());
  }
  return cells;
}

// Every pixel outside the label cells must be the reference's; the cells
// must be the text service's labels at the stated points.
void ExpectImage(const std::string& id, int w, int h) {
  const std::optional<std::int64_t> pattern = SeriesNumberOf(id);
  ASSERT_TRUE(pattern) << id;
  const ReferenceImage reference = ReferenceFor(id, w, h);
  const QImage want = Expected(reference, w, h);
  const QImage got = Painted(*pattern, w, h);
  ASSERT_EQ(got.size(), QSize(w, h));
  const std::vector<QRect> cells = LabelCells(reference);
  std::int64_t outside = 0, inside = 0;
  std::string first;
  for (int y = 0; y < h; ++y) {
    const auto* got_row = reinterpret_cast<const QRgb*>(got.constScanLine(y));
    const auto* want_row = reinterpret_cast<const QRgb*>(want.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (got_row[x] == want_row[x]) continue;
      const bool label = std::any_of(cells.begin(), cells.end(), [x, y](const QRect& c) { return c.contains(x, y); });
      (label ? inside : outside) += 1;
      if (first.empty()) {
        first = "first at " + std::to_string(x) + "," + std::to_string(y) + (label ? " (label)" : "") + ": " +
                QString::number(got_row[x] & 0xFFFFFF, 16).toStdString() + " instead of " +
                QString::number(want_row[x] & 0xFFFFFF, 16).toStdString();
      }
    }
  }
  EXPECT_EQ(outside, 0) << id << " at " << w << "x" << h << ", " << first;
  EXPECT_EQ(inside, 0) << id << " labels at " << w << "x" << h << ", " << first;
}

class FurtherImage : public testing::TestWithParam<const char*> {};

TEST_P(FurtherImage, EveryPixelAsDefinedOnCommonAndOddSizes) {
  for (auto [w, h] : {std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{3840, 2160}, std::pair{1001, 777}}) {
    ExpectImage(GetParam(), w, h);
  }
}

TEST_P(FurtherImage, TinyAreasArePaintedWholeToo) {
  for (auto [w, h] : {std::pair{1, 1}, std::pair{7, 5}, std::pair{3, 90}, std::pair{17, 41}, std::pair{250, 33}}) {
    ExpectImage(GetParam(), w, h);
  }
}

INSTANTIATE_TEST_SUITE_P(Series, FurtherImage,
                         testing::Values("white", "black", "red", "green", "blue", "grey", "black-levels",
                                         "white-levels", "gradients", "gamma", "inversion", "checkerboard",
                                         "chroma"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

}  // namespace
}  // namespace rw::test
