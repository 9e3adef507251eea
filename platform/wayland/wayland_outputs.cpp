#include "platform/wayland/wayland_outputs.h"

namespace rw {

OutputScale OutputScaleOf(const WaylandOutput& output) {
  return ScaleOfOutput(output.DesktopWidth(), output.DesktopHeight(), output.logical_width, output.logical_height,
                       output.integer_scale);
}

DeviceScale ScaleOf(const WaylandOutput& output) { return OutputScaleOf(output).surface; }

bool MapsExactly(const WaylandOutput& output) { return OutputScaleOf(output).exact; }

std::int64_t DesktopXOf(const WaylandOutput& output) {
  return DeviceSpan(output.logical_x, OutputScaleOf(output).layout);
}

std::int64_t DesktopYOf(const WaylandOutput& output) {
  return DeviceSpan(output.logical_y, OutputScaleOf(output).layout);
}

}  // namespace rw
