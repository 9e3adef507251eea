#include "platform/window/window.h"
#include "platform/window/window_scaling.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace rw {
namespace {

// Desktop scale factors of 1.25 and 1.5 are what users set; both must leave
// one image pixel on one device pixel.
TEST(QtScaling, IsOffWhateverScaleTheEnvironmentAsksFor) {
  ASSERT_NE(OpenWindow(0, 0, 0, 301, 201, u"Rasterwacht"_qs, 0xCF0000), 0);
  QWidget* window = WindowHandle(0);
  EXPECT_EQ(window->devicePixelRatioF(), 1.0);
  EXPECT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
  EXPECT_EQ(window->windowHandle()->devicePixelRatio(), 1.0);
  const QImage shot = window->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(301, 201));
  CloseAllWindows();
}

}  // namespace
}  // namespace rw

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Also when CTest lists the tests, which runs the binary without the
  // test environment.
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  qputenv("QT_SCALE_FACTOR", QByteArray("1.5"));
  qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray("1.25"));
  rw::DisableQtScaling();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
