#pragma once

namespace rw {

// Whether a window system that the program can show its windows on answers,
// and points Qt at it (QT_QPA_PLATFORM) before the application exists. Qt
// aborts the process when it cannot connect, and prints when a plugin is
// missing, so the program asks first.
//
// Without a choice of the user's, a Wayland compositor comes first
// ($WAYLAND_DISPLAY, else $XDG_RUNTIME_DIR/wayland-0) when Qt's Wayland
// plugin is installed; an X connection is opened only when none answers.
// A choice in QT_QPA_PLATFORM is honoured entry by entry for xcb, wayland
// and offscreen (the tests' platform); any other platform counts as no
// display, since no window of it would be seen.
bool DisplayAvailable();

}  // namespace rw
