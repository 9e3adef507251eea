#include "platform/raster/drawing.h"
#include "platform/raster/pixel_target.h"

namespace rw {

// No pen-colour bookkeeping: the random-pixel image calls this per pixel.
void Plot(std::int64_t x, std::int64_t y, Colour colour) { PlotPixel(x, y, colour); }

}  // namespace rw
