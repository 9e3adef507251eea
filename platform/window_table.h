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

bool AnyWindowOpen();

// The window that new controls go into, or nullptr.
QWidget* ControlTarget();

}  // namespace rw
