#include "platform/window/window_placement.h"

#include "platform/display/program_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace rw {

QPoint CentredFramePosition(QSize outer, QRect screen) {
  const int left = (screen.width() - std::min(screen.width(), outer.width())) / 2;
  const int top = (screen.height() - std::min(screen.height(), outer.height())) / 2;
  return screen.topLeft() + QPoint(left, top);
}

void CentreOnPrimaryScreen(QWidget& window) {
  // The primary screen, unless the user chose another for the program.
  const QScreen* screen = ProgramScreen();
  if (!screen) return;
  // The window's own frame margins are read again from the window manager's
  // latest word; the widget's cached frame geometry may be older.
  const QWindow* native = window.windowHandle();
  const QMargins frame = native ? native->frameMargins() : QMargins();
  const QSize outer = window.size().grownBy(frame);
  MoveFrameTo(window, CentredFramePosition(outer, screen->geometry()));
}

void MoveFrameTo(QWidget& window, QPoint position) {
  if (QWindow* native = window.windowHandle()) {
    native->setFramePosition(position);
  } else {
    window.move(position);
  }
}

}  // namespace rw
