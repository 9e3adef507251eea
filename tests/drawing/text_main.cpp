#include "platform/text/fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace rw::testing {
// The dpi the font service settled on before any application existed.
int g_dpi_without_application = 0;
}  // namespace rw::testing

int main(int argc, char** argv) {
  rw::SetScreenDpiForTesting(120);
  rw::StartFontService();
  rw::testing::g_dpi_without_application = rw::ScreenDpi();
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
