#include "platform/display_loss.h"

#include "platform/wayland/wayland_connection_watch.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <atomic>
#include <cstdlib>
#include <unistd.h>

// X headers last: their macros clash with Qt's names.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace rw {
namespace {

// Read from Qt's event reader thread too (messages, the exit handler).
std::atomic<xcb_connection_t*> g_connection{nullptr};

[[noreturn]] void EndNow() { _exit(kDisplayLostExitCode); }

// Xlib calls this for a dead connection and would print and exit(1) after it.
int OnXlibConnectionLost(Display*) { EndNow(); }

// Qt's X11 and Wayland plugins call exit(1) when their connection breaks.
// This handler is registered after the application object, so it runs
// before the static objects made earlier are torn down.
void OnExit() { EndIfDisplayLost(); }

}  // namespace

void WatchDisplayConnection() {
  if (!qGuiApp) return;
  WatchWaylandConnection();
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->connection()) {
    g_connection = x11->connection();
    if (x11->display()) XSetIOErrorHandler(OnXlibConnectionLost);
  }
  static const bool registered = std::atexit(OnExit) == 0;
  (void)registered;
}

void StopWatchingDisplayConnection() {
  g_connection = nullptr;
  StopWatchingWaylandConnection();
}

void EndIfDisplayLost() {
  xcb_connection_t* connection = g_connection;
  if ((connection && xcb_connection_has_error(connection)) || WaylandConnectionBroken()) EndNow();
}

}  // namespace rw
