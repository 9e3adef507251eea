// Runs with a font configuration that names no font at all.
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(NoFonts, LoadFontFailsAndLeavesTheNumberEmpty) {
  EXPECT_EQ(LoadFont(1, u"Arial"_qs, 5), 0);
  EXPECT_EQ(FontHandle(1), nullptr);
  EXPECT_EQ(LoadFont(0, u"Liberation Sans"_qs, 8), 0);
  EXPECT_EQ(FontHandle(0), nullptr);
}

// Text still goes through the session's font without a crash.
TEST(NoFonts, DrawingTextWithoutAnyFontIsHarmless) {
  ASSERT_NE(CreateImage(0, 120, 40), 0);
  ASSERT_NE(BeginDrawing(ImageSurface(0)), 0);
  SetDrawingFont(FontHandle(1));
  EXPECT_GE(DrawText(3, 4, u"abcXYZ"_qs), 3);
  EndDrawing();
  ReleaseAllImages();
}

}  // namespace
}  // namespace rw
