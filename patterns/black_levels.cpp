#include "patterns/level_squares.h"
#include "patterns/patterns.h"

namespace rw {

// Greys 1 to 32 on black: a limited-range signal or a crushed black swallows
// the first of them.
void DrawBlackLevels() { DrawLevelSquares(Rgb(0, 0, 0), 1, 1); }

}  // namespace rw
