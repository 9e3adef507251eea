#pragma once

#include <string>

namespace rw {

// The name the running window manager gives itself through the EWMH
// supporting-window check (_NET_SUPPORTING_WM_CHECK and its _NET_WM_NAME),
// read on Qt's X11 connection; empty without one, or off X11.
std::string X11WindowManagerName();

}  // namespace rw
