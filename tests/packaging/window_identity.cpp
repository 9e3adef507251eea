// Reads what a desktop learns about an X window from its properties: prints
// the WM_CLASS class and writes the 32 x 32 picture of _NET_WM_ICON as PNG.
// Usage: window_identity WINDOW_ID ICON_OUT.png
// Qt first: Xlib's macros (Status, Bool, ...) break Qt's headers.
#include <QImage>
#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

int PrintWindowClass(Display* display, Window window) {
  XClassHint hint{};
  if (!XGetClassHint(display, window, &hint)) {
    std::fputs("window_identity: the window has no WM_CLASS\n", stderr);
    return 1;
  }
  std::printf("%s\n", hint.res_class);
  XFree(hint.res_name);
  XFree(hint.res_class);
  return 0;
}

// _NET_WM_ICON is a list of (width, height, width * height ARGB pixels);
// Xlib hands 32-bit items over as longs.
int WriteIcon32(Display* display, Window window, const char* path) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
  if (XGetWindowProperty(display, window, icon, 0, 1 << 20, False, XA_CARDINAL, &type, &format, &count,
                         &remaining, &data) != Success || format != 32 || !data) {
    std::fputs("window_identity: the window has no _NET_WM_ICON\n", stderr);
    return 1;
  }
  const auto* items = reinterpret_cast<const unsigned long*>(data);
  int status = 1;
  for (unsigned long at = 0; at + 2 <= count;) {
    const unsigned long width = items[at], height = items[at + 1];
    if (width == 0 || height == 0 || width * height > count - at - 2) break;
    if (width == 32 && height == 32) {
      QImage image(32, 32, QImage::Format_ARGB32);
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          image.setPixel(x, y, static_cast<QRgb>(items[at + 2 + static_cast<unsigned long>(y * 32 + x)]));
      status = image.save(QString::fromLocal8Bit(path), "PNG") ? 0 : 1;
      break;
    }
    at += 2 + width * height;
  }
  if (status != 0) std::fputs("window_identity: no 32 x 32 icon could be written\n", stderr);
  XFree(data);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: window_identity WINDOW_ID ICON_OUT.png\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("window_identity: no X display\n", stderr);
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  int status = PrintWindowClass(display, window);
  if (status == 0) status = WriteIcon32(display, window, argv[2]);
  XCloseDisplay(display);
  return status;
}
