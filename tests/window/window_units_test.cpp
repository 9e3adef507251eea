#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_units.h"
#include "platform/window/window_widget.h"
#include "tests/window/window_fixture.h"

#include <QImage>

namespace rw {
namespace {

// Where the desktop scales windows (Wayland), callers still give device
// pixels; Qt gets the logical units that cover them.
class ScaledDesktop : public WindowServices {
 protected:
  void SetUp() override {
    WindowServices::SetUp();
    SetWindowScaleForTesting({3, 2});
  }
  void TearDown() override {
    SetWindowScaleForTesting({1, 1});
    WindowServices::TearDown();
  }
};

TEST_F(ScaledDesktop, WindowsAndControlsTakeLogicalUnitsForDevicePixels) {
  ASSERT_NE(OpenWindow(1, 0, 0, 440, 380, u"Infos+Hilfe-Fenster"_qs, 0xCC0001), 0);
  auto* window = static_cast<ProgramWindow*>(WindowHandle(1));
  EXPECT_EQ(window->size(), QSize(294, 254));  // 441 x 381 device pixels
  EXPECT_EQ(window->InnerSizePx(), QSize(440, 380));
  ASSERT_NE(CreateButton(5, 380, 315, 50, 50, u"OK!"_qs), 0);
  EXPECT_EQ(ControlWidget(5)->geometry(), QRect(253, 210, 33, 33));
  EXPECT_EQ(window->font().pixelSize(), 7);  // 11 device pixels
}

TEST_F(ScaledDesktop, TheWindowSurfaceIsTheInnerAreaInDevicePixels) {
  ASSERT_NE(OpenWindow(0, 0, 0, 1914, 1014, u"main"_qs, 0xCF0000), 0);
  ASSERT_NE(CreateImage(0, 1914, 1014), 0);
  ASSERT_NE(CreateImageView(0, 0, 0, 1914, 1014, ImageHandle(0)), 0);
  EXPECT_EQ(WindowHandle(0)->size(), QSize(1276, 676));
  EXPECT_EQ(ControlWidget(0)->size(), QSize(1276, 676));
  // On a platform where Qt paints the pictures itself the surface is the
  // widget's; the device size matters where a pixel surface shows them.
  auto* window = static_cast<ProgramWindow*>(WindowHandle(0));
  EXPECT_EQ(window->InnerSizePx(), QSize(1914, 1014));
  ReleaseAllImages();
}

TEST(WindowScale, IsOneWhereQtDrawsDevicePixels) {
  SetWindowScaleForTesting({1, 1});
  EXPECT_EQ(LogicalWindowSize(1914, 1014), QSize(1914, 1014));
  EXPECT_EQ(LogicalControlRect(250, 10, 100, 17), QRect(250, 10, 100, 17));
}

}  // namespace
}  // namespace rw
