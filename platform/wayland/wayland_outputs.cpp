#include "platform/wayland/wayland_outputs.h"

namespace rw {

DeviceScale ScaleOf(const WaylandOutput& output) {
  if (output.logical_width > 0) return ScaleFromSizes(output.DesktopWidth(), output.logical_width);
  return {output.integer_scale > 0 ? output.integer_scale : 1, 1};
}

bool MapsExactly(const WaylandOutput& output) {
  if (output.logical_width <= 0 || output.logical_height <= 0) return true;
  const DeviceScale scale = ScaleOf(output);
  return DeviceSpan(output.logical_width, scale) == output.DesktopWidth() &&
         DeviceSpan(output.logical_height, scale) == output.DesktopHeight() &&
         output.logical_width * scale.numerator % scale.denominator == 0 &&
         output.logical_height * scale.numerator % scale.denominator == 0;
}

}  // namespace rw
