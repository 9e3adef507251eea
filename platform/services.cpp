#include "platform/services.h"

#include <QApplication>


namespace rw {
namespace {

QApplication* g_application = nullptr;

}  // namespace

void StartPlatform(int& argc, char** argv) {
  if (!g_application) g_application = new QApplication(argc, argv);
}

void ShutdownPlatform() {
  delete g_application;
  g_application = nullptr;
}

}  // namespace rw
