#include "platform/window/window_scaling.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform warns about every raise and keyboard grab; those
// say nothing about the services.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(u"This plugin does not support"_qs)) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Also when CTest lists the tests, which runs the binary without the
  // test environment.
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  // Test discovery runs this binary outside ctest's environment too.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  rw::DisableQtScaling();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
