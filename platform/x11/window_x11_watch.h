#pragma once

#include <cstdint>

namespace rw {

// What the window service does with the events the watch sees; each gets
// the X window id.
struct X11WindowWatchHandlers {
  // Another client (a tool, a window manager cleaning up) destroyed the window.
  void (*destroyed)(std::uintptr_t native_id) = nullptr;
  // The window manager gave the window a new frame size; called from the
  // event loop once Qt has read it.
  void (*frame_extents_changed)(std::uintptr_t native_id) = nullptr;
};

// On an X11 connection, watches the program's windows at the X level and
// hands what it sees to `handlers`. Elsewhere it does nothing; a second call
// changes nothing.
void InstallX11WindowWatch(X11WindowWatchHandlers handlers);

}  // namespace rw
