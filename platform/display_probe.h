#pragma once

namespace rw {

// Whether the window system Qt is about to use can be reached. Qt aborts the
// process when it cannot connect to a display, so the program asks first.
// Where exactly one of X11 and Wayland answers and nothing was chosen, it
// points Qt at that one.
bool DisplayAvailable();

}  // namespace rw
