#pragma once

#include "platform/base/virtual_keys.h"

#include <QtCore/qnamespace.h>

#include <cstdint>

namespace rw {

// Whether the key `virtual_key` (SPACE 0x20, Backspace 0x08, the main
// keyboard's digits 0x30 to 0x39 and letters 0x41 to 0x5A) is held down now, whichever window has the focus. On X11
// this reads the server's keyboard state; where no global state can be read
// it answers from the presses and releases that reached this program. Any
// other code gives false.
bool KeyIsDown(std::int64_t virtual_key);

// Feeds the tracked state with one key event (keypad keys do not count).
void TrackKeyEvent(int qt_key, Qt::KeyboardModifiers modifiers, bool pressed);

// Drops the tracked state, e.g. when the program loses the keyboard and
// would miss the releases.
void ForgetTrackedKeys();

}  // namespace rw
