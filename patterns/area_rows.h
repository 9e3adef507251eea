#pragma once

#include "platform/raster/pixel_target.h"

#include <cstdint>
#include <vector>

namespace rw {

// One row of the drawing area: a pixel per column, as the image stores it
// (PixelOf).
using AreaRow = std::vector<std::uint32_t>;

// A row of ScreenWidth pixels (none when the width is 0 or less) in `colour`.
AreaRow PlainRow(Colour colour);

// Writes `row` onto the rows y_first to y_end - 1 of the current session,
// each clipped to the surface as a box there would be; without a session
// nothing happens.
void CopyRow(const AreaRow& row, std::int64_t y_first, std::int64_t y_end);

}  // namespace rw
