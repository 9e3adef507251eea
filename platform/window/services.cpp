#include "platform/window/services.h"

#include "platform/display/display_loss.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/window/events_queue.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "platform/window/window_frames.h"
#include "platform/window/window_scaling.h"
#include "platform/window/window_units.h"

#include <QApplication>


namespace rw {
namespace {

QApplication* g_application = nullptr;

}  // namespace

void StartPlatform(int& argc, char** argv) {
  if (g_application) return;
  DisableQtScaling();
  g_application = new QApplication(argc, argv);
  // Docks match windows to the desktop entry by these: the Wayland app id,
  // and on X11 the WM_CLASS class, which the entry names as StartupWMClass.
  QGuiApplication::setDesktopFileName(QStringLiteral(RW_APP_ID));
  QCoreApplication::setApplicationName(u"rasterwacht"_qs);
  StartFontService(WindowScale().Value());
  WatchDisplayConnection();
}

void ShutdownPlatform() {
  StopFramesBeforeShutdown();
  StopWatchingDisplayConnection();
  CloseAllWindows();
  ReleaseProgramWaylandGlobals();
  ReleaseAllMenus();
  DiscardAllEvents();
  ReleaseAllImages();
  ReleaseAllFonts();
  delete g_application;
  g_application = nullptr;
}

}  // namespace rw
