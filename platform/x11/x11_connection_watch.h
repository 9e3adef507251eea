#pragma once

namespace rw {

// Notes Qt's X11 connection, if the application runs on one, so that
// X11ConnectionBroken can tell from any thread whether the server went
// away. Xlib's report of a dead connection, after which it would print and
// exit(1), ends the process at once with `exit_code` instead, after
// `before_exit` (if any) has run.
void WatchX11Connection(int exit_code, void (*before_exit)() = nullptr);
void StopWatchingX11Connection();
bool X11ConnectionBroken();

}  // namespace rw
