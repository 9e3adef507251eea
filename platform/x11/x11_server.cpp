#include "platform/x11/x11_server.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>

// Xlib last: its macros (None, KeyPress, Bool ...) clash with Qt's names.
#include <X11/Xlib.h>

namespace rw {

bool XServerAnswers() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return false;
  Display* display = XOpenDisplay(name);
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

int X11BitsPerPixel(int depth) {
  if (!qGuiApp) return 0;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return 0;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  int bits = 0;
  for (int k = 0; k < count; ++k) {
    if (formats[k].depth == depth) bits = formats[k].bits_per_pixel;
  }
  if (formats) XFree(formats);
  return bits;
}

}  // namespace rw
