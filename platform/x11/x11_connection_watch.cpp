#include "platform/x11/x11_connection_watch.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <atomic>
#include <unistd.h>

// X headers last: their macros clash with Qt's names.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace rw {
namespace {

// Read from Qt's event reader thread too (messages, the exit handler).
std::atomic<xcb_connection_t*> g_connection{nullptr};
int g_exit_code = 0;
void (*g_before_exit)() = nullptr;

int OnXlibConnectionLost(Display*) {
  if (g_before_exit) g_before_exit();
  _exit(g_exit_code);
}

}  // namespace

void WatchX11Connection(int exit_code, void (*before_exit)()) {
  if (!qGuiApp) return;
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->connection()) {
    g_exit_code = exit_code;
    g_before_exit = before_exit;
    g_connection = x11->connection();
    if (x11->display()) XSetIOErrorHandler(OnXlibConnectionLost);
  }
}

void StopWatchingX11Connection() { g_connection = nullptr; }

bool X11ConnectionBroken() {
  xcb_connection_t* connection = g_connection;
  return connection && xcb_connection_has_error(connection);
}

}  // namespace rw
