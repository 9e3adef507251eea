#pragma once

#include "platform/base/text.h"

#include <cstdint>

namespace rw {

// Code of the OK button, which ShowMessage returns when it closed the box.
inline constexpr std::int64_t kOkButton = 1;

// A modal box with `text` and one OK button, no icon, owned by the program's
// window in front (if any); the program's other windows take no input
// until it closes. Returns the code of the button that closed it, 0 without
// an application. `flags` 0 is the only kind the program uses.
std::int64_t ShowMessage(const Text& title, const Text& text, std::int64_t flags);

// A modal box like ShowMessage's with a warning icon and two buttons,
// "Erneut versuchen" (the default, Enter) and "Abbrechen" (Escape). True
// when the first closed it; false for the second, a close request or no
// application.
bool AskToRetry(const Text& title, const Text& text);

}  // namespace rw
