#pragma once

#include "platform/raster/pixel_target.h"

#include <cstdint>

namespace rw {

// The pixels of the current session, when the patterns may write them
// directly instead of going through the primitives: only inside a full
// redraw (after its clear to white) and only while the surface has exactly
// the size of the drawing area, so a pattern that finds it may compute every
// pixel of the area itself. nullptr otherwise; the patterns then draw with
// the primitives, which give the same pixels.
const PixelTarget* PatternTarget();

// Allows direct writing for the lifetime of the scope (a full redraw).
class DirectPaintingScope {
 public:
  DirectPaintingScope();
  ~DirectPaintingScope();
  DirectPaintingScope(const DirectPaintingScope&) = delete;
  DirectPaintingScope& operator=(const DirectPaintingScope&) = delete;

 private:
  bool previous_;
};

}  // namespace rw
