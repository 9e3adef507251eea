#pragma once

#include "platform/base/device_scale.h"
#include "platform/wayland/wayland_globals.h"

namespace rw {

// The true scale of `output`: its mode against its logical size, so also a
// fractional one; the whole-number wl_output scale where the compositor
// gives no logical size.
DeviceScale ScaleOf(const WaylandOutput& output);

// Whether the output's logical size is its mode at ScaleOf exactly. Where
// it is not (1366 x 768 at 125 % is 1092.8 x 614.4 logical, which the
// compositor cuts to whole units), the compositor stretches the whole
// output a little to fill the mode, and no picture can land on it 1:1.
bool MapsExactly(const WaylandOutput& output);

}  // namespace rw
