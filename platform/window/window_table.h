#pragma once

#include <cstdint>

class QObject;
class QWidget;

namespace rw {

class ProgramWindow;

// The services' view of the numbered windows.

// Window `number`, or nullptr.
ProgramWindow* FindProgramWindow(std::int64_t number);

// The number of the program's window that `widget` is or lies in, -1 for
// anything else (nullptr, widgets of other top-levels, menus, boxes).
std::int64_t WindowNumberOf(const QWidget* widget);

// The number of the program's window whose QWindow is `object`, -1 if none.
std::int64_t WindowNumberOfHandle(const QObject* object);

// The program's window whose native window has the id `native_id`, or
// nullptr.
ProgramWindow* FindProgramWindowByNativeId(std::uintptr_t native_id);

// The number of an open window whose native window someone else destroyed,
// -1 if there is none.
std::int64_t WindowDestroyedOutside();

bool AnyWindowOpen();

// The program's window in front: the one last opened, brought to the front
// or reported active, as long as it still is; nullptr when none of the
// program's windows is in front.
QWidget* FrontWindow();

// Notes that `window` was brought to the front or became active (true), or
// lost the front to another window (false).
void NoteFrontWindow(ProgramWindow* window, bool in_front);

// The window that new controls go into, or nullptr.
QWidget* ControlTarget();

}  // namespace rw
