#pragma once

#include <cstdint>

namespace rw {

// Sets ColourRed, ColourGreen and ColourBlue to the rainbow's colour of
// column x (0 <= x < ScreenWidth) for section width s. Columns right of the
// last full section keep the components they find.
void SetRainbowColour(std::int64_t x, std::int64_t s);

}  // namespace rw
