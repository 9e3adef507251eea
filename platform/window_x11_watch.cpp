#include "platform/window_x11_watch.h"

#include "platform/events.h"
#include "platform/events_queue.h"
#include "platform/window_table.h"
#include "platform/window_widget.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib and xcb last: their macros (None, KeyPress, Bool ...) clash with Qt's.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace rw {
namespace {

class X11WindowWatch : public QAbstractNativeEventFilter {
 public:
  explicit X11WindowWatch(Display* display)
      : frame_extents_(static_cast<xcb_atom_t>(XInternAtom(display, "_NET_FRAME_EXTENTS", False))) {}

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
  static void Destroyed(xcb_window_t id) {
    ProgramWindow* window = FindProgramWindowByNativeId(id);
    if (!window) return;
    window->MarkDestroyedOutside();
    QueueEvent(CloseEvent, window->number(), window->number());
  }

  void PropertyChanged(const xcb_property_notify_event_t& event) const {
    if (event.atom != frame_extents_) return;
    ProgramWindow* window = FindProgramWindowByNativeId(event.window);
    if (!window) return;
    // Qt reads the new extents when it handles this same event, right after
    // the filter: look at them once it has.
    QMetaObject::invokeMethod(window, &ProgramWindow::FrameExtentsChanged, Qt::QueuedConnection);
  }

  xcb_atom_t frame_extents_;
};

}  // namespace

void InstallX11WindowWatch() {
  static bool installed = false;
  if (installed || !qGuiApp) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return;
  installed = true;
  static X11WindowWatch watch(x11->display());
  qGuiApp->installNativeEventFilter(&watch);
}

}  // namespace rw
