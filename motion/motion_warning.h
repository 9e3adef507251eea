#pragma once

namespace rw {

// Before the first motion image of the program's run: a box warns that the
// images change quickly and flash. True when OK confirmed it, now or
// before; false when it was left (Escape), and it comes again next time.
bool ConfirmMotionWarning();

// The box's text.
extern const char16_t* const kMotionWarningText;

}  // namespace rw
