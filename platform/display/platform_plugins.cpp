#include "platform/display/platform_plugins.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <memory>

namespace rw {
namespace {

QString PluginFileName(const std::string& platform) {
  // The Wayland platform's plugin carries a suffix of its own.
  if (platform == "wayland") return u"libqwayland-generic.so"_qs;
  return u"libq"_qs + QString::fromStdString(platform) + u".so"_qs;
}

// The folders Qt looks in for platform plugins. A qt.conf beside the program
// is only read while an application object exists, so a short-lived one
// stands in when the program has none yet.
QStringList PlatformPluginFolders() {
  std::unique_ptr<QCoreApplication> stand_in;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "rasterwacht";
    static char* argv[] = {name, nullptr};
    stand_in = std::make_unique<QCoreApplication>(argc, argv);
  }
  QStringList folders;
  if (const QString direct = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !direct.isEmpty()) {
    folders << direct;
  }
  for (const QString& path : QCoreApplication::libraryPaths()) folders << path + u"/platforms"_qs;
  return folders;
}

}  // namespace

bool PlatformPluginInstalled(const std::string& platform) {
  const QString file = PluginFileName(platform);
  for (const QString& folder : PlatformPluginFolders()) {
    if (QFileInfo(folder + u'/' + file).isFile()) return true;
  }
  return false;
}

}  // namespace rw
