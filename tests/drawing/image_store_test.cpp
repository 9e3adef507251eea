#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/raster/session.h"

#include <QImage>

#include <gtest/gtest.h>

namespace rw {
namespace {

class ImageStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { ReleaseAllImages(); }
};

TEST_F(ImageStoreTest, NewImageIsBlackAndOfItsSize) {
  ASSERT_NE(CreateImage(0, 5, 3), 0);
  const QImage* image = ImageHandle(0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width(), 5);
  EXPECT_EQ(image->height(), 3);
  EXPECT_EQ(image->format(), QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(image->pixel(x, y), 0xFF000000u);
}

TEST_F(ImageStoreTest, RecreatingANumberReplacesTheImage) {
  ASSERT_NE(CreateImage(0, 5, 3), 0);
  ASSERT_NE(BeginDrawing(ImageSurface(0)), 0);
  DrawBox(0, 0, 5, 3, 0xFFFFFF);
  EndDrawing();
  ASSERT_NE(CreateImage(0, 2, 2), 0);
  EXPECT_EQ(ImageHandle(0)->width(), 2);
  EXPECT_EQ(ImageHandle(0)->pixel(1, 1), 0xFF000000u);
}

TEST_F(ImageStoreTest, BadSizesFailAndLeaveNoImage) {
  for (auto [w, h] : {std::pair<std::int64_t, std::int64_t>{0, 5}, {5, 0}, {-1, 5}, {5, -1},
                      {std::int64_t{1} << 32, 1}, {100000, 100000}, {INT64_MAX, INT64_MAX}, {INT64_MIN, 2}}) {
    ASSERT_NE(CreateImage(3, 2, 2), 0);
    EXPECT_EQ(CreateImage(3, w, h), 0) << w << "x" << h;
    EXPECT_EQ(ImageHandle(3), nullptr);
  }
}

TEST_F(ImageStoreTest, LookupCreatesNothing) {
  EXPECT_EQ(ImageHandle(0), nullptr);
  EXPECT_EQ(ImageHandle(-4), nullptr);
  EXPECT_EQ(ImageSurface(0), nullptr);
}

TEST_F(ImageStoreTest, ReleasingImagesEndsASessionDrawingIntoThem) {
  ASSERT_NE(CreateImage(1, 4, 4), 0);
  ASSERT_NE(BeginDrawing(ImageSurface(1)), 0);
  ReleaseAllImages();
  EXPECT_EQ(CurrentSession(), nullptr);
  DrawBox(0, 0, 4, 4, 1);  // must not write into freed memory
  EXPECT_EQ(ImageHandle(1), nullptr);
}

}  // namespace
}  // namespace rw
