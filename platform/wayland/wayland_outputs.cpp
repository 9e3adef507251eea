#include "platform/wayland/wayland_outputs.h"

#include "platform/program_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace rw {

std::vector<WaylandOutput> WaylandOutputsPrimaryFirst() {
  const WaylandGlobals* globals = ProgramWaylandGlobals();
  if (!globals) return {};
  std::vector<WaylandOutput> outputs = globals->outputs;
  const QScreen* primary = ProgramScreen();
  if (!primary) return outputs;
  const std::string name = primary->name().toStdString();
  const auto found = std::find_if(outputs.begin(), outputs.end(), [&](const WaylandOutput& o) { return o.name == name; });
  if (found != outputs.end()) std::rotate(outputs.begin(), found, found + 1);
  return outputs;
}

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
