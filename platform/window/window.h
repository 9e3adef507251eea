#pragma once

#include "platform/base/text.h"

#include <cstdint>

class QWidget;

namespace rw {

// Window flags: what the frame offers the user, and the placement.
inline constexpr std::int64_t kTitleBarFlag = 0xC00000;
inline constexpr std::int64_t kSystemMenuFlag = 0x80000;
inline constexpr std::int64_t kSizingBorderFlag = 0x40000;
inline constexpr std::int64_t kMinimizeBoxFlag = 0x20000;
inline constexpr std::int64_t kMaximizeBoxFlag = 0x10000;
inline constexpr std::int64_t kCentredFlag = 0x1;
// The window covers the whole monitor at (x, y), frameless, in the window
// system's full-screen state; Escape closes it.
inline constexpr std::int64_t kFullScreenFlag = 0x2;

// Opens, shows and activates top-level window `number` with an inner area of
// exactly `inner_width` x `inner_height` pixels and its outer frame's top-left
// corner at (x, y), and makes it the control target. Non-zero on success; 0
// for a negative number or an inner size outside 1 to 16384, leaving the
// number free. An open window of the same number is closed first.
std::int64_t OpenWindow(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t inner_width,
                        std::int64_t inner_height, const Text& title, std::int64_t flags);

// Gives window `number` a new title; an unknown number does nothing.
void SetWindowTitle(std::int64_t number, const Text& title);

// Destroys window `number` with its controls and drops its waiting events;
// an unknown number does nothing.
void CloseWindow(std::int64_t number);

// The native handle of window `number`, nullptr if there is none.
QWidget* WindowHandle(std::int64_t number);

// Makes `window` (a handle from WindowHandle) the window that new controls
// go into and returns the previous one. A handle that names none of the
// program's windows changes nothing.
QWidget* SetControlTarget(QWidget* window);

// Closes every window still open (the platform shutdown calls it).
void CloseAllWindows();

}  // namespace rw
