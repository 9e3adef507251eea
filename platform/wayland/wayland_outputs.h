#pragma once

#include "platform/base/device_scale.h"
#include "platform/base/output_scale.h"
#include "platform/wayland/wayland_globals.h"

namespace rw {

// What the output's mode, logical size and wl_output scale tell of its
// scale (see ScaleOfOutput).
OutputScale OutputScaleOf(const WaylandOutput& output);

// The true scale of `output` from surface units to its device pixels, so
// also a fractional one.
DeviceScale ScaleOf(const WaylandOutput& output);

// Whether that scale is known exactly. Where it is not (1366 x 768 at
// 125 % is 1092.8 x 614.4 logical, which the compositor cuts to whole
// units), no picture can be promised to land on the output 1:1.
bool MapsExactly(const WaylandOutput& output);

// The output's top-left on the desktop in device pixels.
std::int64_t DesktopXOf(const WaylandOutput& output);
std::int64_t DesktopYOf(const WaylandOutput& output);

}  // namespace rw
