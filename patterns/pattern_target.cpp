#include "patterns/pattern_target.h"

#include "state/globals.h"

namespace rw {
namespace {

bool g_direct = false;

}  // namespace

const PixelTarget* PatternTarget() {
  const PixelTarget& t = g_pixel_target;
  if (!g_direct || !t.first_row) return nullptr;
  if (t.width_px != ScreenWidth || t.height_px != ScreenHeight) return nullptr;
  return &t;
}

DirectPaintingScope::DirectPaintingScope() : previous_(g_direct) { g_direct = true; }

DirectPaintingScope::~DirectPaintingScope() { g_direct = previous_; }

}  // namespace rw
