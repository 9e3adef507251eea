#pragma once

namespace rw {

// Notes Qt's Wayland connection, if the application runs on one, so that
// WaylandConnectionBroken can tell from any thread whether the compositor
// went away.
void WatchWaylandConnection();
void StopWatchingWaylandConnection();
bool WaylandConnectionBroken();

}  // namespace rw
