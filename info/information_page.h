#pragma once

#include "platform/base/text.h"

#include <filesystem>

namespace rw {

// Shows the information page in window 1 and runs its own event loop until
// a close request (of any window) arrives or its OK button is pressed, which
// sets InfoClosed. Returns at once when window 1 cannot be opened.
void ShowInformationPage();

// Looks for the program file below `root`, then for the development build
// below the second, fixed root; reports the outcome in one "Info!" box and
// returns the path found, as the file system's bytes, or 255 blanks.
std::filesystem::path LocateProgramFile(const Text& root, const Text& name);

}  // namespace rw
