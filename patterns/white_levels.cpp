#include "patterns/level_squares.h"
#include "patterns/patterns.h"

namespace rw {

// Greys 254 down to 223 on white: a clipped white swallows the first of them.
void DrawWhiteLevels() { DrawLevelSquares(Rgb(255, 255, 255), 254, -1); }

}  // namespace rw
