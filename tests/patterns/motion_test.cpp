#include "patterns/motion_frames.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"
#include "tests/patterns/area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace rw::test {
namespace {

constexpr QRgb kUnpainted = 0xFF123456u;

// The two images as their definition gives them, pixel by pixel. The
// status strip, rows 0 to 29, is black (the renderer's, without text).
QRgb MotionPixel(int W, int H, double R, std::int64_t n, int x, int y) {
  if (y < 30) return 0xFF000000u;
  const QRgb grounds[3] = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255)};
  const QRgb squares[3] = {qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)};
  for (int k = 0; k < 3; ++k) {
    const int top = 30 + k * (H - 30) / 3;
    const int next = 30 + (k + 1) * (H - 30) / 3;
    if (y < top || y >= next) continue;
    const int height = next - top;
    const int S = std::min(height / 2, 128);
    const int square_top = top + (height - S) / 2;
    const std::int64_t p = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::floor(480.0 * (1 << k) / R + 0.5)));
    const std::int64_t left = (n % (W + S)) * (p % (W + S)) % (W + S) - S;
    const bool in_square = x >= left && x < left + S && y >= square_top && y < square_top + S;
    return in_square ? squares[k] : grounds[k];
  }
  ADD_FAILURE() << "row " << y << " in no lane";
  return 0;
}

QRgb SequencePixel(int W, int H, std::int64_t n, int x, int y) {
  if (y < 30) return 0xFF000000u;
  if (y >= H - 40) return n % 2 == 0 ? qRgb(255, 0, 0) : qRgb(0, 255, 255);
  if (y >= 30 + (H - 30) / 4 && y <= 30 + (H - 30) / 2 - 1) {
    for (int i = 0; i < 16; ++i) {
      if (x >= i * W / 16 + 4 && x <= (i + 1) * W / 16 - 5) return i == n % 16 ? qRgb(255, 255, 255) : qRgb(40, 40, 40);
    }
  }
  return qRgb(0, 0, 0);
}

QImage Reference(const std::string& id, int W, int H, double R, std::int64_t n) {
  QImage image(W, H, QImage::Format_RGB32);
  for (int y = 0; y < H; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < W; ++x) row[x] = id == "motion" ? MotionPixel(W, H, R, n, x, y) : SequencePixel(W, H, n, x, y);
  }
  return image;
}

// The first pixel where the two differ, or "" for none.
std::string FirstDifference(const QImage& got, const QImage& want) {
  if (got.size() != want.size()) return "sizes differ";
  for (int y = 0; y < want.height(); ++y) {
    for (int x = 0; x < want.width(); ++x) {
      if (got.pixel(x, y) != want.pixel(x, y)) {
        return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
               QString::number(got.pixel(x, y) & 0xFFFFFF, 16).toStdString() + " instead of " +
               QString::number(want.pixel(x, y) & 0xFFFFFF, 16).toStdString();
      }
    }
  }
  return "";
}

// The image as the program's redraw paints frame n at R.
QImage Redrawn(const std::string& id, int W, int H, double R, std::int64_t n) {
  MakeArea(W, H);
  ImageHandle(0)->fill(kUnpainted);
  SetMotionStatus(Text());
  SetMotionFrame(n, R);
  EXPECT_EQ(RedrawPattern(*SeriesNumberOf(id)), 1);
  return ImageHandle(0)->copy();
}

PixelTarget TargetOf(QImage& image) {
  return {reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, image.width(), image.height()};
}

class MotionImages : public testing::TestWithParam<const char*> {};

TEST_P(MotionImages, EveryFrameAsDefinedAtManySizesRatesAndFrames) {
  const std::string id = GetParam();
  const std::vector<std::tuple<int, int>> sizes = {{1920, 1080}, {1366, 768}, {1001, 777}, {1280, 720},
                                                   {641, 100},   {17, 41},    {250, 33},   {7, 5}, {1, 1}};
  for (auto [w, h] : sizes) {
    for (double r : {60.0, 100.0, 144.0, 59.94, 23.976, 1000.0}) {
      for (std::int64_t n : {std::int64_t{0}, std::int64_t{1}, std::int64_t{15}, std::int64_t{16},
                             std::int64_t{12345}, std::int64_t{1} << 52}) {
        const std::string why = FirstDifference(Redrawn(id, w, h, r, n), Reference(id, w, h, r, n));
        ASSERT_EQ(why, "") << id << " " << w << "x" << h << " at " << r << " Hz, frame " << n;
      }
    }
  }
}

TEST_P(MotionImages, A4KFrameAsDefined) {
  const std::string id = GetParam();
  EXPECT_EQ(FirstDifference(Redrawn(id, 3840, 2160, 120, 777), Reference(id, 3840, 2160, 120, 777)), "");
}

// Frame after frame into one buffer, by the steps a run takes (one, several
// missed, a long stall), from unknown pixels: each equals the definition,
// and every pixel that changed lies in a rectangle the painter named.
TEST_P(MotionImages, FramesPaintedOverTheirPredecessorsEqualWholeFrames) {
  const std::string id = GetParam();
  const MotionImage image = *MotionImageOf(*SeriesNumberOf(id));
  std::mt19937 random(7);
  for (auto [w, h, r] : {std::tuple{1280, 720, 100.0}, std::tuple{1001, 777, 59.94}, std::tuple{333, 64, 144.0}}) {
    MakeArea(w, h);
    SetMotionStatus(Text());
    QImage buffer(w, h, QImage::Format_RGB32);
    buffer.fill(kUnpainted);
    HeldFrame held;
    std::int64_t n = 0;
    for (int step = 0; step < 120; ++step) {
      const QImage before = buffer.copy();
      const std::vector<AreaRect> changed = PaintMotionFrame(image, TargetOf(buffer), r, held, n);
      ASSERT_EQ(FirstDifference(buffer, Reference(id, w, h, r, n)), "") << id << " " << w << "x" << h << " frame " << n;
      EXPECT_EQ(held.frame, n);
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          if (buffer.pixel(x, y) == before.pixel(x, y)) continue;
          const bool named = std::any_of(changed.begin(), changed.end(), [x, y](const AreaRect& c) {
            return x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
          });
          ASSERT_TRUE(named) << id << " frame " << n << ": pixel " << x << "," << y << " changed unnamed";
        }
      }
      const int kind = static_cast<int>(random() % 10);
      n += kind < 6 ? 1 : kind < 8 ? 0 : kind < 9 ? 2 + static_cast<int>(random() % 5) : 30;
    }
  }
}

// A compositor that keeps its copy of the frame shown before takes only
// the damage anew: every pixel in which two frames differ must lie in a
// rectangle named for them, whichever frames they are.
TEST_P(MotionImages, TheDifferencesBetweenTwoFramesCoverEveryPixelThatDiffers) {
  const std::string id = GetParam();
  const MotionImage image = *MotionImageOf(*SeriesNumberOf(id));
  std::mt19937 random(11);
  for (auto [w, h, r] : {std::tuple{1280, 720, 100.0}, std::tuple{333, 64, 60.0}, std::tuple{97, 41, 144.0}}) {
    for (int pair = 0; pair < 60; ++pair) {
      const std::int64_t from = random() % 400;
      const std::int64_t to = pair % 3 == 0 ? from + 16 * (1 + random() % 3) : from + random() % 40;
      const QImage a = Reference(id, w, h, r, from);
      const QImage b = Reference(id, w, h, r, to);
      const std::vector<AreaRect> rects = MotionFrameDifferences(image, w, h, r, {from, 3}, {to, 3});
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          if (a.pixel(x, y) == b.pixel(x, y)) continue;
          const bool named = std::any_of(rects.begin(), rects.end(), [x, y](const AreaRect& c) {
            return x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
          });
          ASSERT_TRUE(named) << id << " " << w << "x" << h << " frames " << from << " and " << to << ": pixel " << x
                             << "," << y;
        }
      }
    }
  }
  // The status strip differs with its version, and everything from an unknown frame.
  EXPECT_EQ(MotionFrameDifferences(image, 640, 480, 60, {5, 1}, {5, 2}), (std::vector<AreaRect>{{0, 0, 640, 30}}));
  EXPECT_EQ(MotionFrameDifferences(image, 640, 480, 60, {-1, 1}, {5, 1}), (std::vector<AreaRect>{{0, 0, 640, 480}}));
  EXPECT_TRUE(MotionFrameDifferences(image, 640, 480, 60, {5, 1}, {5, 1}).empty());
}

TEST_P(MotionImages, TheStatusTextStaysInsideTheStripAtAnyFontSize) {
  const std::string id = GetParam();
  const std::int64_t pattern = *SeriesNumberOf(id);
  const Text status = u"59,95 Hz gemessen, Modus 60,00 Hz, 1234 Bilder, 2 verpasst, 1 verworfen, Zeitquelle: Hardware"_qs;
  for (int dpi : {96, 144, 288}) {
    SetScreenDpiForTesting(dpi);
    MakeArea(1280, 720);
    // The text as DrawText writes it on a black strip of 30 rows.
    QImage strip(1280, 30, QImage::Format_RGB32);
    strip.fill(0xFF000000u);
    ASSERT_TRUE(BeginDrawing(MakeSurface(SurfaceKind::Image, &strip, 24, {})));
    SetDrawingFont(FontHandle(0));
    DrawText(4, 6, status, Rgb(255, 255, 255));
    EndDrawing();
    const QImage below = Reference(id, 1280, 720, 75, 9).copy(0, 30, 1280, 690);

    SetMotionStatus(status);
    SetMotionFrame(9, 75);
    ImageHandle(0)->fill(kUnpainted);
    ASSERT_EQ(RedrawPattern(pattern), 1);
    const QImage whole = ImageHandle(0)->copy();
    EXPECT_EQ(FirstDifference(whole.copy(0, 0, 1280, 30), strip), "") << dpi << " dpi";
    EXPECT_EQ(FirstDifference(whole.copy(0, 30, 1280, 690), below), "") << dpi << " dpi";

    // Frames painted into a buffer carry the same strip, and a new text
    // reaches a buffer that holds the old one.
    QImage buffer(1280, 720, QImage::Format_RGB32);
    HeldFrame held;
    PaintMotionFrame(*MotionImageOf(pattern), TargetOf(buffer), 75, held, 9);
    EXPECT_EQ(FirstDifference(buffer, whole), "") << dpi << " dpi";
    SetMotionStatus(u"neu"_qs);
    const std::vector<AreaRect> changed = PaintMotionFrame(*MotionImageOf(pattern), TargetOf(buffer), 75, held, 9);
    EXPECT_EQ(changed, (std::vector<AreaRect>{{0, 0, 1280, 30}}));
    EXPECT_NE(FirstDifference(buffer.copy(0, 0, 1280, 30), strip), "");
    EXPECT_EQ(FirstDifference(buffer.copy(0, 30, 1280, 690), below), "");
  }
  SetScreenDpiForTesting(96);
  SetMotionStatus(Text());
}

INSTANTIATE_TEST_SUITE_P(Series, MotionImages, testing::Values("motion", "frame-sequence"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

TEST(MotionImages, OnlyTheTwoMoveAndTheyFollowTheStillImages) {
  const auto series = TestSeries();
  ASSERT_EQ(series.size(), 24u);
  EXPECT_EQ(series[22].id, "motion");
  EXPECT_EQ(series[22].menu_name, u"Bewegung");
  EXPECT_EQ(series[22].key, 'N');
  EXPECT_EQ(series[23].id, "frame-sequence");
  EXPECT_EQ(series[23].menu_name, u"Bildfolge");
  EXPECT_EQ(series[23].key, 'L');
  for (std::int64_t k = 0; k < 24; ++k) EXPECT_EQ(MotionImageOf(k).has_value(), k >= 22) << k;
  EXPECT_EQ(MotionImageOf(22), MotionImage::Motion);
  EXPECT_EQ(MotionImageOf(23), MotionImage::FrameSequence);
  EXPECT_EQ(MotionImageOf(24), std::nullopt);
  EXPECT_EQ(MotionImageOf(-1), std::nullopt);
}

}  // namespace
}  // namespace rw::test
