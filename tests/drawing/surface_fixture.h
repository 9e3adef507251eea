#pragma once

#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/raster/pixel_target.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rw::testing {

// A W x H image of the store (number 7) with an open session on it.
class SurfaceTest : public ::testing::Test {
 protected:
  static constexpr std::int64_t kImage = 7;

  void TearDown() override {
    EndDrawing();
    ReleaseAllImages();
  }

  // Creates the image, black, and opens a session on it.
  void Open(int width_px, int height_px) {
    EndDrawing();
    ASSERT_NE(CreateImage(kImage, width_px, height_px), 0);
    ASSERT_NE(BeginDrawing(ImageSurface(kImage)), 0);
  }

  static Colour At(int x, int y) { return ColourOf(ImageHandle(kImage)->pixel(x, y)); }
  static int Width() { return ImageHandle(kImage)->width(); }
  static int Height() { return ImageHandle(kImage)->height(); }

  // The image as colours, row after row.
  static std::vector<Colour> Pixels() {
    std::vector<Colour> out;
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x) out.push_back(At(x, y));
    return out;
  }

  // The image as text: one line per row, '#' for `ink`, '.' for black, '?' else.
  static std::string Picture(Colour ink) {
    std::string out;
    for (int y = 0; y < Height(); ++y) {
      for (int x = 0; x < Width(); ++x) {
        const Colour c = At(x, y);
        out += c == ink ? '#' : c == 0 ? '.' : '?';
      }
      out += '\n';
    }
    return out;
  }
};

}  // namespace rw::testing
