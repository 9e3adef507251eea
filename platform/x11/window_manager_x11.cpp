#include "platform/x11/window_manager_x11.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (None, Bool ...) clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <optional>

namespace rw {
namespace {

// Names are short; a longer property is cut, not refused.
constexpr long kMostNameLongs = 64;

Display* X11Display() {
  if (!qGuiApp) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

// The window that `window`'s _NET_SUPPORTING_WM_CHECK names.
std::optional<Window> CheckWindow(Display* display, Window window, Atom check) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<Window> named;
  if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &items, &after, &data) ==
          Success &&
      type == XA_WINDOW && format == 32 && items == 1 && data) {
    named = static_cast<Window>(reinterpret_cast<unsigned long*>(data)[0]);
  }
  if (data) XFree(data);
  return named;
}

// A leftover window id of a window manager that has gone may name nothing:
// the error must not reach Qt's handler, which would print it.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

std::string X11WindowManagerName() {
  Display* display = X11Display();
  if (!display) return {};
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  const Atom name_atom = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  XSync(display, False);
  const auto previous = XSetErrorHandler(IgnoreError);
  std::string name;
  // The window manager's window names itself again; a stale root property
  // of one that has gone does not.
  const std::optional<Window> wm = CheckWindow(display, DefaultRootWindow(display), check);
  if (wm && CheckWindow(display, *wm, check) == wm) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, *wm, name_atom, 0, kMostNameLongs, False, utf8, &type, &format, &items, &after,
                           &data) == Success &&
        type == utf8 && format == 8 && data) {
      name.assign(reinterpret_cast<const char*>(data), items);
    }
    if (data) XFree(data);
  }
  XSync(display, False);
  XSetErrorHandler(previous);
  return name;
}

}  // namespace rw
