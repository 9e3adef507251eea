#pragma once

#include "platform/base/text.h"

#include <cstdint>

class QImage;
class QWidget;

namespace rw {

// Text-field flags.
inline constexpr std::int64_t kReadOnlyFieldFlag = 0x800;
inline constexpr std::int64_t kCentredFieldFlag = 0x1;

// Every control goes into the control target, is visible at once, and is
// known by its number from then on; a number in use names the new control
// after the old one is destroyed. Each returns non-zero on success and 0 for
// a negative number, a negative size or no control target. Positions are
// relative to the top-left of the window's inner area.

// A borderless view that shows `image` (a handle from ImageHandle, or
// nullptr for none) at its top-left and takes its size; a click on it queues
// ControlEvent with the number. The image must outlive the view.
std::int64_t CreateImageView(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                             std::int64_t height, QImage* image);

// Gives image view `number` this image (again) and shows its current pixels,
// taking its size, and takes down what a window surface drew over the
// window. An unknown number or a control of another kind does nothing.
void SetImageViewImage(std::int64_t number, QImage* image);

// Static text, left-aligned, no border; "&" is shown as it is.
std::int64_t CreateLabel(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                         std::int64_t height, const Text& text);

// A one-line text field with a sunken border and a Tab stop; flags
// kReadOnlyFieldFlag and kCentredFieldFlag.
std::int64_t CreateTextField(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                             std::int64_t height, const Text& text, std::int64_t flags);

// A push button with centred text and a Tab stop; a click queues
// ControlEvent with the number.
std::int64_t CreateButton(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                          std::int64_t height, const Text& text);

// The control's widget, nullptr if there is none.
QWidget* ControlWidget(std::int64_t number);

}  // namespace rw
