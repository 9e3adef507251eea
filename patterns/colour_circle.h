#pragma once

#include <cstdint>

namespace rw {

// Sets ColourRed, ColourGreen and ColourBlue to the colour of `position` on
// the 1530-step colour circle (-1530 to 1530; P and P + 1530 agree).
void SetCircleColour(std::int64_t position);

}  // namespace rw
