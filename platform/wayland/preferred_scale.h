#pragma once

#include "platform/base/device_scale.h"

namespace rw {

// Whether the compositor says that it draws the program's pixel surfaces at
// exactly `scale` (wp_fractional_scale_v1, which KWin speaks): waits up to
// `most_ms` for that word once a pixel surface is up. False where the
// compositor gives none or names another scale.
bool CompositorConfirmsScale(DeviceScale scale, int most_ms);

}  // namespace rw
