#pragma once

#include "platform/base/device_scale.h"
#include "platform/base/text.h"

namespace rw {

// Tells the user once, in a message box, when the desktop's scale keeps the
// pictures from being shown pixel for pixel (a fractional scale on a
// compositor without viewports, or an output whose mode is no whole number
// of logical units at its scale): a resampled test image must never pass
// for the monitor's own.
void WarnOnceIfPicturesScaled();

// The box's text for `scale`.
Text ScaledPicturesWarning(DeviceScale scale);

}  // namespace rw
