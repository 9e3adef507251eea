#pragma once

#include <cstdint>

namespace rw {

class ProgramWindow;

// Before `window` is first shown: it covers the whole monitor whose
// top-left corner is (x, y) in device pixels (the program's screen when no
// monitor begins there), without a frame and in the window system's
// full-screen state, so that it lies above panels and docks. Escape in
// such a window is its close key: it queues CloseEvent as a close request
// does.
void PrepareFullScreen(ProgramWindow& window, std::int64_t x, std::int64_t y);

// Before `window` is first shown: while a full-screen window is open, the
// new window belongs to it, so that window managers and compositors show
// it above the full-screen window instead of behind it.
void KeepAboveFullScreen(ProgramWindow& window);

}  // namespace rw
