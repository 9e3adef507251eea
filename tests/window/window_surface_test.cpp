#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/window/controls.h"
#include "tests/window/window_fixture.h"

#include <QImage>
#include <QPixmap>

#include <functional>
#include <ostream>

void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }

namespace rw {
namespace {

using WindowSurfaces = WindowServices;

QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void FillPattern(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, 0xFF000000u | ((x * 7u + y * 13u) * 2654435761u >> 8));
  }
}

// Primitives of every kind, some reaching beyond the area.
void DrawSample(int width, int height) {
  DrawBox(3, 4, 20, 9, Rgb(255, 0, 0));
  DrawBox(width - 5, height - 5, 40, 40, Rgb(0, 0, 255));
  DrawBox(30, 30, -7, -4, Rgb(0, 128, 0));
  DrawLine(0, 0, width - 1, height - 1, Rgb(255, 255, 0));
  DrawLine(-50, 20, width + 50, 35, Rgb(0, 255, 255));
  DrawLine(10, 0, 10, height - 1, 0);
  DrawLine(width - 1, 2, 0, 2, Rgb(12, 34, 56));
  for (int i = 0; i < 40; ++i) Plot(i * 3 % width, i * 5 % height, Rgb(i * 6, 255 - i * 6, 77));
  Plot(-1, 5, 0xFFFFFF);
  Plot(width, 5, 0xFFFFFF);
  DrawCircle(width / 2, height / 2, 9, Rgb(200, 100, 50));
  DrawCircle(2, height - 3, 6, Rgb(90, 0, 200));
  DrawCircle(width - 10, 10, 1, 0xFFFFFF);
  DrawCircle(20, height / 2, 0, 0);
  DrawText(5, height / 2, u"Farbtiefe & Bit"_qs, Rgb(255, 255, 255));
}

// What a window of `window_size` shows with `image` in its view at (0, 0),
// after DrawSample: the same drawing on an image surface over that view.
QImage Expected(const QImage& image, QSize window_size, QRgb face, const std::function<void(int, int)>& draw) {
  EXPECT_NE(CreateImage(9, window_size.width(), window_size.height()), 0);
  QImage& reference = *ImageHandle(9);
  reference.fill(face);
  for (int y = 0; y < std::min(image.height(), window_size.height()); ++y) {
    for (int x = 0; x < std::min(image.width(), window_size.width()); ++x) reference.setPixel(x, y, image.pixel(x, y));
  }
  EXPECT_NE(BeginDrawing(ImageSurface(9)), 0);
  draw(window_size.width(), window_size.height());
  EndDrawing();
  return reference.copy();
}

void DrawOnWindow(std::int64_t number, const std::function<void(int, int)>& draw) {
  const QSize size = WindowHandle(number)->size();
  ASSERT_NE(BeginDrawing(WindowSurface(number)), 0);
  draw(size.width(), size.height());
  EndDrawing();
}

class WindowSurfaceSizes : public WindowSurfaces, public testing::WithParamInterface<QSize> {};

TEST_P(WindowSurfaceSizes, GivesTheImageSurfacesPixelsOverWhatTheWindowShowed) {
  const QSize window_size = GetParam();
  ASSERT_NE(CreateImage(0, 64, 48), 0);
  FillPattern(*ImageHandle(0));
  QWidget* window = Open(0, window_size.width(), window_size.height());
  ASSERT_NE(CreateImageView(0, 0, 0, 64, 48, ImageHandle(0)), 0);
  const QRgb face = window->palette().color(QPalette::Window).rgb();

  DrawOnWindow(0, DrawSample);
  EXPECT_EQ(Grab(window), Expected(*ImageHandle(0), window_size, face, DrawSample));

  // The image itself is untouched, and giving it to the view again shows it.
  const QImage image_before = ImageHandle(0)->copy();
  SetImageViewImage(0, ImageHandle(0));
  EXPECT_EQ(*ImageHandle(0), image_before);
  EXPECT_EQ(Grab(window), Expected(*ImageHandle(0), window_size, face, [](int, int) {}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowSurfaceSizes,
                         testing::Values(QSize(64, 48), QSize(90, 70), QSize(40, 30), QSize(1, 1), QSize(3, 200)));

TEST_F(WindowSurfaces, ASecondSessionKeepsWhatTheFirstDrewOnTheWindow) {
  ASSERT_NE(CreateImage(0, 50, 40), 0);
  FillPattern(*ImageHandle(0));
  QWidget* window = Open(0, 50, 40);
  CreateImageView(0, 0, 0, 50, 40, ImageHandle(0));
  const auto first = [](int, int) { DrawBox(0, 0, 25, 40, Rgb(255, 0, 0)); };
  const auto second = [](int, int) { DrawCircle(30, 20, 8, Rgb(0, 0, 255)); };
  DrawOnWindow(0, first);
  DrawOnWindow(0, second);
  const QSize size(50, 40);
  const QRgb face = window->palette().color(QPalette::Window).rgb();
  EXPECT_EQ(Grab(window), Expected(*ImageHandle(0), size, face, [&](int w, int h) {
              first(w, h);
              second(w, h);
            }));

  // Clicks still reach the image view under the drawing.
  SendMouse(Native(0), QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
  EXPECT_EQ(WaitEvent(), LeftButtonMessage);
  EXPECT_EQ(WaitEvent(), ControlEvent);
  EXPECT_EQ(EventObject(), 0);
}

TEST_F(WindowSurfaces, UnknownWindowHasNoSurface) {
  EXPECT_EQ(WindowSurface(0), nullptr);
  Open(0);
  EXPECT_EQ(WindowSurface(1), nullptr);
  EXPECT_EQ(WindowSurface(-1), nullptr);
}

TEST_F(WindowSurfaces, ASessionOutlivingItsWindowDrawsIntoNothingHarmful) {
  Open(0);
  ASSERT_NE(BeginDrawing(WindowSurface(0)), 0);
  CloseWindow(0);
  DrawBox(0, 0, 200, 200, Rgb(255, 0, 0));
  EndDrawing();
  EXPECT_EQ(WindowHandle(0), nullptr);
}

}  // namespace
}  // namespace rw
