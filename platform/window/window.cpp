#include "platform/window/window.h"

#include "platform/display/program_screen.h"
#include "platform/window/events.h"
#include "platform/window/events_input.h"
#include "platform/window/events_queue.h"
#include "platform/window/scale_warning.h"
#include "platform/window/window_exposure.h"
#include "platform/window/window_flags.h"
#include "platform/window/window_full_screen.h"
#include "platform/window/window_icon.h"
#include "platform/window/window_table.h"
#include "platform/window/window_units.h"
#include "platform/window/window_widget.h"
#include "platform/x11/window_x11_watch.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <map>

namespace rw {
namespace {

constexpr std::int64_t kMaxInnerSizePx = 16384;
// Positions beyond this lie far off every desktop; clamping keeps Qt's
// integer geometry from overflowing.
constexpr std::int64_t kMaxPositionPx = 1 << 20;
// How long the first window waits for the compositor's first configure
// before the scale is judged anyway.
constexpr int kMostExposureWaitMs = 3000;

std::map<std::int64_t, ProgramWindow*> g_windows;
QPointer<QWidget> g_control_target;
// Set at once when the program brings a window to the front: the window
// manager reports the activation only later, while a message box may need
// its owner before the program reads another event.
QPointer<ProgramWindow> g_front;

const QIcon& ProgramIcon() {
  static const QIcon icon(QPixmap::fromImage(ProgramIconImage()));
  return icon;
}

int ClampedPosition(std::int64_t position) {
  return static_cast<int>(std::clamp(position, -kMaxPositionPx, kMaxPositionPx));
}

// A window that another X client destroyed is a dead shell: its close
// request is queued.
void WindowDestroyedOnX11(std::uintptr_t native_id) {
  ProgramWindow* window = FindProgramWindowByNativeId(native_id);
  if (!window) return;
  window->MarkDestroyedOutside();
  QueueEvent(CloseEvent, window->number(), window->number());
}

void FrameExtentsChangedOnX11(std::uintptr_t native_id) {
  if (ProgramWindow* window = FindProgramWindowByNativeId(native_id)) window->FrameExtentsChanged();
}

// The scale is judged once, at the first window, and only when the
// compositor has configured it: before that neither its frame nor, on some
// compositors, the outputs are settled.
void JudgeScaleAt(ProgramWindow& window, bool full_screen) {
  static bool judged = false;
  if (judged || !window.ShowsPicturesNatively()) return;
  judged = true;
  QWindow* handle = window.windowHandle();
  if (!handle) return;
  AwaitExposure(*handle, kMostExposureWaitMs);
  WarnOnceIfPicturesScaled(full_screen, !handle->frameMargins().isNull());
}

}  // namespace

std::int64_t OpenWindow(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t inner_width,
                        std::int64_t inner_height, const Text& title, std::int64_t flags) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || number < 0) return 0;
  if (inner_width < 1 || inner_height < 1 || inner_width > kMaxInnerSizePx || inner_height > kMaxInnerSizePx) return 0;
  CloseWindow(number);
  InstallInputTranslator();
  InstallX11WindowWatch({&WindowDestroyedOnX11, &FrameExtentsChangedOnX11});

  const QSize inner_px(static_cast<int>(inner_width), static_cast<int>(inner_height));
  auto* window = new ProgramWindow(number, WindowHintsFor(flags), inner_px);
  window->setWindowTitle(title);
  window->setWindowIcon(ProgramIcon());
  const QSize inner = LogicalWindowSize(inner_width, inner_height);
  if (IsResizable(flags)) {
    window->resize(inner);
  } else {
    window->setFixedSize(inner);
  }
  if (flags & kFullScreenFlag) {
    window->move(ClampedPosition(x), ClampedPosition(y));
    PrepareFullScreen(*window, x, y);
    window->show();
  } else {
    KeepAboveFullScreen(*window);
    window->ShowPlaced(QPoint(ClampedPosition(x), ClampedPosition(y)), inner, (flags & kCentredFlag) != 0);
  }
  window->raise();
  window->activateWindow();

  g_windows[number] = window;
  g_control_target = window;
  g_front = window;
  JudgeScaleAt(*window, (flags & kFullScreenFlag) != 0);
  return 1;
}

void SetWindowTitle(std::int64_t number, const Text& title) {
  if (ProgramWindow* window = FindProgramWindow(number)) window->setWindowTitle(title);
}

void CloseWindow(std::int64_t number) {
  const auto found = g_windows.find(number);
  if (found == g_windows.end()) return;
  ProgramWindow* window = found->second;
  g_windows.erase(found);
  DiscardWindowEvents(number);
  delete window;
}

QWidget* WindowHandle(std::int64_t number) { return FindProgramWindow(number); }

QWidget* SetControlTarget(QWidget* window) {
  QWidget* previous = g_control_target;
  if (WindowNumberOf(window) >= 0 && window->isWindow()) g_control_target = window;
  return previous;
}

void CloseAllWindows() {
  while (!g_windows.empty()) CloseWindow(g_windows.begin()->first);
}

ProgramWindow* FindProgramWindow(std::int64_t number) {
  const auto found = g_windows.find(number);
  return found == g_windows.end() ? nullptr : found->second;
}

std::int64_t WindowNumberOf(const QWidget* widget) {
  if (!widget) return -1;
  const QWidget* top = widget->window();
  for (const auto& [number, window] : g_windows) {
    if (window == top) return number;
  }
  return -1;
}

std::int64_t WindowNumberOfHandle(const QObject* object) {
  if (!object) return -1;
  for (const auto& [number, window] : g_windows) {
    if (static_cast<const QObject*>(window->windowHandle()) == object) return number;
  }
  return -1;
}

ProgramWindow* FindProgramWindowByNativeId(std::uintptr_t native_id) {
  for (const auto& [number, window] : g_windows) {
    if (window->internalWinId() == native_id) return window;
  }
  return nullptr;
}

std::int64_t WindowDestroyedOutside() {
  for (const auto& [number, window] : g_windows) {
    if (window->destroyedOutside()) return number;
  }
  return -1;
}

bool AnyWindowOpen() { return !g_windows.empty(); }

QWidget* FrontWindow() {
  if (g_front && !g_front->destroyedOutside()) return g_front;
  return nullptr;
}

void NoteFrontWindow(ProgramWindow* window, bool in_front) {
  if (in_front) {
    g_front = window;
  } else if (g_front == window) {
    g_front = nullptr;
  }
}

QWidget* ControlTarget() { return g_control_target; }

}  // namespace rw
