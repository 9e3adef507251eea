#pragma once

#include "platform/base/text.h"

#include <QtCore/qnamespace.h>

#include <optional>

namespace rw {

// One key press as it reached one of the program's windows: Qt's key code,
// the text it types (empty for keys that type none) and whether it is the
// keyboard's auto-repeat.
struct KeyPress {
  int key = 0;
  Qt::KeyboardModifiers modifiers;
  Text text;
  bool auto_repeat = false;
};

// From now on (`on`) or no longer, the key presses that reach the program's
// windows while no popup menu or modal box takes them are kept in order for
// TakeKeyPress; each also queues KeyDownMessage, which ends WaitEvent.
// Turning it off drops what is kept.
void KeepKeyPresses(bool on);

// The oldest key press kept and not yet taken; nullopt for none.
std::optional<KeyPress> TakeKeyPress();

// Drops the key presses kept so far.
void DiscardKeyPresses();

// Called by the input translator for every key press it passes on.
void NoteKeyPress(const KeyPress& press);

}  // namespace rw
