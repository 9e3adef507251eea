#pragma once

namespace rw {

// The exit code when the display goes away under the running program: the
// same quiet 0 as a start without any display.
inline constexpr int kDisplayLostExitCode = 0;

// Watches the connection to the X server or the Wayland compositor that the
// started platform uses.
// When it breaks, Qt would print and call exit(1), whose teardown of widgets
// and statics without a display crashes; instead the process ends at once,
// silently, with kDisplayLostExitCode. Does nothing on other platforms.
void WatchDisplayConnection();

// Stops watching; the platform shutdown calls it before Qt goes.
void StopWatchingDisplayConnection();

// Ends the process as above if the watched connection has broken.
void EndIfDisplayLost();

// What the process still does when the display goes away under it, before
// it ends: `last_words` runs once, on whichever thread noticed the loss, and
// must use neither the display nor Qt. nullptr takes it back.
void SetLastWords(void (*last_words)());

}  // namespace rw
