#include "platform/window/window_units.h"

#include "platform/display/program_outputs.h"

#include <algorithm>
#include <optional>

namespace rw {
namespace {

// Beyond this no window or control is placed; keeps Qt's int geometry safe.
constexpr std::int64_t kMaxSpan_px = 1 << 20;

std::optional<DeviceScale> g_scale;

int Bounded(std::int64_t value) { return static_cast<int>(std::clamp(value, -kMaxSpan_px, kMaxSpan_px)); }

}  // namespace

DeviceScale WindowScale() {
  if (!g_scale) {
    const std::vector<WaylandOutput> outputs = WaylandOutputsPrimaryFirst();
    g_scale = outputs.empty() ? DeviceScale{} : ScaleOf(outputs.front());
  }
  return *g_scale;
}

void SetWindowScaleForTesting(DeviceScale scale) { g_scale = scale; }

void ForgetWindowScale() { g_scale.reset(); }

QSize LogicalWindowSize(std::int64_t width_px, std::int64_t height_px) {
  const DeviceScale scale = WindowScale();
  return {Bounded(LogicalSpan(Bounded(width_px), scale)), Bounded(LogicalSpan(Bounded(height_px), scale))};
}

QRect LogicalControlRect(std::int64_t x_px, std::int64_t y_px, std::int64_t width_px, std::int64_t height_px) {
  const DeviceScale scale = WindowScale();
  auto logical = [&](std::int64_t v) { return Bounded(RoundedLogical(Bounded(v), scale)); };
  return {logical(x_px), logical(y_px), logical(width_px), logical(height_px)};
}

}  // namespace rw
