#include "platform/display/display_loss.h"

#include "platform/wayland/wayland_connection_watch.h"
#include "platform/x11/x11_connection_watch.h"

#include <QGuiApplication>

#include <cstdlib>
#include <unistd.h>

namespace rw {
namespace {

[[noreturn]] void EndNow() { _exit(kDisplayLostExitCode); }

// Qt's X11 and Wayland plugins call exit(1) when their connection breaks.
// This handler is registered after the application object, so it runs
// before the static objects made earlier are torn down.
void OnExit() { EndIfDisplayLost(); }

}  // namespace

void WatchDisplayConnection() {
  if (!qGuiApp) return;
  WatchWaylandConnection();
  WatchX11Connection(kDisplayLostExitCode);
  static const bool registered = std::atexit(OnExit) == 0;
  (void)registered;
}

void StopWatchingDisplayConnection() {
  StopWatchingX11Connection();
  StopWatchingWaylandConnection();
}

void EndIfDisplayLost() {
  if (X11ConnectionBroken() || WaylandConnectionBroken()) EndNow();
}

}  // namespace rw
