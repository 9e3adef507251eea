#include "platform/text/fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  rw::SetScreenDpiForTesting(96);
  return RUN_ALL_TESTS();
}
