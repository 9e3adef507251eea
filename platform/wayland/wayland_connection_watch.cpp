#include "platform/wayland/wayland_connection_watch.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <atomic>

namespace rw {
namespace {

// Read from Qt's event reader thread too (its messages).
std::atomic<wl_display*> g_display{nullptr};

}  // namespace

void WatchWaylandConnection() {
  if (!qGuiApp || QGuiApplication::platformName() != u"wayland"_qs) return;
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  if (native) g_display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

void StopWatchingWaylandConnection() { g_display = nullptr; }

bool WaylandConnectionBroken() {
  wl_display* display = g_display;
  return display && wl_display_get_error(display) != 0;
}

}  // namespace rw
