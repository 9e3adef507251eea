#pragma once

#include "platform/base/text.h"

namespace rw {

// A modal box like ShowMessage's, one OK button, that can be left: true
// when OK closed it, false for Escape, a close request or no application.
bool ConfirmMessage(const Text& title, const Text& text);

}  // namespace rw
