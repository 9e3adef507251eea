#pragma once

namespace rw {

// On an X11 connection, watches the program's windows at the X level: a
// window destroyed by another client (a tool, a window manager cleaning up)
// queues its close request and is marked as a dead shell, and a new frame
// size from the window manager reaches the window. Elsewhere it does
// nothing.
void InstallX11WindowWatch();

}  // namespace rw
