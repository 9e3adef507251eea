#pragma once

#include "platform/base/rgb.h"

#include <cstdint>

namespace rw {

// The layout of the black and white levels: on `ground`, 32 squares in 8
// columns and 4 rows of cells, square i of grey first_level + step·i, each
// labelled with its level in mid grey on the ground.
void DrawLevelSquares(Colour ground, std::int64_t first_level, std::int64_t step);

}  // namespace rw
