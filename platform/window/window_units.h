#pragma once

#include "platform/base/device_scale.h"

#include <QRect>
#include <QSize>

#include <cstdint>

namespace rw {

// Callers give window and control sizes in device pixels. Qt places widgets
// in logical units, which are device pixels on X11 (Qt's scaling is off) but
// the compositor's units on Wayland, where the desktop's scale stands
// between them. This is that scale: the primary output's on Wayland, 1
// elsewhere. Read once, after the application exists.
DeviceScale WindowScale();
void SetWindowScaleForTesting(DeviceScale scale);

// The program's screen changed before any window opened: the next
// WindowScale reads that screen's scale.
void ForgetWindowScale();

// The logical size of a window whose inner area is w x h device pixels: at
// least that many device pixels, and a whole number of them (LogicalSpan).
QSize LogicalWindowSize(std::int64_t width_px, std::int64_t height_px);

// A control's rectangle in logical units, each coordinate rounded.
QRect LogicalControlRect(std::int64_t x_px, std::int64_t y_px, std::int64_t width_px, std::int64_t height_px);

}  // namespace rw
