#include "platform/frames/shown_motion.h"

namespace rw {
namespace {

std::function<ShownMotion()> g_source;

}  // namespace

std::optional<ShownMotion> ShownMotionRun() {
  if (!g_source) return std::nullopt;
  return g_source();
}

void SetShownMotionSource(std::function<ShownMotion()> source) { g_source = std::move(source); }

}  // namespace rw
