#include "platform/x11/window_x11_watch.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMetaObject>
#include <QtGui/qguiapplication_platform.h>

// Xlib and xcb last: their macros (None, KeyPress, Bool ...) clash with Qt's.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace rw {
namespace {

class X11WindowWatch : public QAbstractNativeEventFilter {
 public:
  X11WindowWatch(Display* display, X11WindowWatchHandlers handlers)
      : handlers_(handlers),
        frame_extents_(static_cast<xcb_atom_t>(XInternAtom(display, "_NET_FRAME_EXTENTS", False))) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
      case XCB_DESTROY_NOTIFY: Destroyed(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window); break;
      case XCB_PROPERTY_NOTIFY: PropertyChanged(*reinterpret_cast<const xcb_property_notify_event_t*>(event)); break;
      default: break;
    }
    return false;
  }

 private:
  void Destroyed(xcb_window_t id) const {
    if (handlers_.destroyed) handlers_.destroyed(id);
  }

  void PropertyChanged(const xcb_property_notify_event_t& event) const {
    if (event.atom != frame_extents_ || !handlers_.frame_extents_changed) return;
    // Qt reads the new extents when it handles this same event, right after
    // the filter: look at them once it has.
    const std::uintptr_t id = event.window;
    QMetaObject::invokeMethod(
        qGuiApp, [handler = handlers_.frame_extents_changed, id] { handler(id); }, Qt::QueuedConnection);
  }

  X11WindowWatchHandlers handlers_;
  xcb_atom_t frame_extents_;
};

}  // namespace

void InstallX11WindowWatch(X11WindowWatchHandlers handlers) {
  static bool installed = false;
  if (installed || !qGuiApp) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return;
  installed = true;
  static X11WindowWatch watch(x11->display(), handlers);
  qGuiApp->installNativeEventFilter(&watch);
}

}  // namespace rw
