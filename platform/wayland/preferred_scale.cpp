#include "platform/wayland/preferred_scale.h"

#include "platform/wayland/wayland_globals.h"

#include <QDeadlineTimer>
#include <QThread>

#include <wayland-client.h>

namespace rw {

bool CompositorConfirmsScale(DeviceScale scale, int most_ms) {
  WaylandGlobals* globals = ProgramWaylandGlobals();
  if (!globals || !globals->fractional_scale_manager || scale.denominator <= 0) return false;
  if (scale.numerator * 120 % scale.denominator != 0) return false;
  const std::int64_t wanted = scale.numerator * 120 / scale.denominator;
  // A compositor names a surface's scale once it has drawn it on an output,
  // at its next refresh, and may name 1 before that.
  const QDeadlineTimer deadline(most_ms);
  while (globals->preferred_scale_120 != wanted && !deadline.hasExpired()) {
    if (wl_display_roundtrip_queue(globals->display, globals->queue) < 0) return false;
    if (globals->preferred_scale_120 != wanted) QThread::msleep(10);
  }
  return globals->preferred_scale_120 == wanted;
}

}  // namespace rw
