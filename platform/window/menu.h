#pragma once

#include "platform/base/text.h"

#include <cstdint>

class QMenu;
class QWidget;

namespace rw {

// Creates empty popup menu `number` (replacing one of that number) and makes
// it the menu under construction; non-zero on success, 0 for a negative
// number or without an application.
std::int64_t NewPopupMenu(std::int64_t number);

// Appends an enabled item with `command` to the menu under construction; in
// `text` a tab starts the right-aligned second column and "&" marks the
// mnemonic. Without a menu under construction nothing happens.
void AddMenuItem(std::int64_t command, const Text& text);

// Appends a separator line to the menu under construction; without one
// nothing happens.
void AddMenuSeparator();

// Brings `window` to the front and runs menu `number` with its top-left one
// pixel up and left of the pointer, returning when it closes; a chosen item
// queues MenuEvent with its command. An unknown number does nothing.
void ShowPopupMenu(std::int64_t number, QWidget* window);

// The menu's Qt object, nullptr if there is none.
QMenu* PopupMenu(std::int64_t number);

// Destroys every menu (the platform shutdown calls it).
void ReleaseAllMenus();

}  // namespace rw
