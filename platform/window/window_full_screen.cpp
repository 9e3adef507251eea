#include "platform/window/window_full_screen.h"

#include "platform/display/desktops.h"
#include "platform/display/program_screen.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window_table.h"
#include "platform/window/window_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace rw {
namespace {

QPointer<ProgramWindow> g_full_screen;

// The monitor that begins at (x, y); records and screens share their names.
QScreen* ScreenAt(std::int64_t x, std::int64_t y) {
  for (const DesktopRecord& record : ReadScreens()) {
    if (record.x != x || record.y != y) continue;
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->name().left(32) == record.name) return screen;
    }
  }
  return ProgramScreen();
}

// Watches the keys that reach the program's QWindows, as the input
// translator does, and turns Escape in a full-screen window into a close
// request. A popup menu or a message box that is open takes the key itself.
class EscapeCloses : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !receiver->isWindowType()) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->isAutoRepeat()) return false;
    if (QApplication::activePopupWidget() || QGuiApplication::modalWindow()) return false;
    const auto* window = static_cast<const QWindow*>(receiver);
    if (!(window->windowStates() & Qt::WindowFullScreen)) return false;
    const std::int64_t number = WindowNumberOfHandle(receiver);
    if (number >= 0) QueueEvent(CloseEvent, number, number);
    return false;
  }
};

void InstallEscapeCloses() {
  static EscapeCloses* filter = nullptr;
  if (filter || !qApp) return;
  filter = new EscapeCloses(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace

void PrepareFullScreen(ProgramWindow& window, std::int64_t x, std::int64_t y) {
  QScreen* screen = ScreenAt(x, y);
  if (!screen) return;
  // The compositor or window manager sizes a full-screen window to the
  // monitor; limits from the inner size asked for must not fight that.
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window.setScreen(screen);
  // Without a window manager nobody else places it: the geometry itself
  // covers the monitor (Qt's units, which are its device pixels on X11).
  window.setGeometry(screen->geometry());
  window.setWindowState(Qt::WindowFullScreen);
  g_full_screen = &window;
  InstallEscapeCloses();
}

void KeepAboveFullScreen(ProgramWindow& window) {
  if (!g_full_screen || g_full_screen == &window || !g_full_screen->windowHandle()) return;
  // X11 names the owner only of dialogs (WM_TRANSIENT_FOR); the frame that
  // the flags ask for stays the same.
  window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
  window.winId();  // makes the QWindow that carries the relation
  if (QWindow* handle = window.windowHandle()) handle->setTransientParent(g_full_screen->windowHandle());
}

}  // namespace rw
