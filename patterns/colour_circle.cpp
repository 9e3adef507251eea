#include "patterns/colour_circle.h"

#include "platform/base/float_to_int.h"
#include "state/globals.h"

#include <cstdlib>

namespace rw {
namespace {

// |P - start| as the circle takes it: P in floating point plus the negated
// start, truncated and made absolute.
std::int64_t Ramp(std::int64_t p, std::int64_t start) {
  return std::llabs(FloatToInt(static_cast<double>(p) + static_cast<double>(-start)));
}

void Set(std::int64_t red, std::int64_t green, std::int64_t blue) {
  ColourRed = red;
  ColourGreen = green;
  ColourBlue = blue;
}

}  // namespace

void SetCircleColour(std::int64_t p) {
  if (p >= 0) {
    if (p <= 255) return Set(255, Ramp(p, 0), 0);               // red to yellow
    if (p <= 510) return Set(255 - Ramp(p, 255), 255, 0);      // yellow to green
    if (p <= 765) return Set(0, 255, Ramp(p, 510));            // green to cyan
    if (p <= 1020) return Set(0, 255 - Ramp(p, 765), 255);     // cyan to blue
    if (p <= 1275) return Set(Ramp(p, 1020), 0, 255);          // blue to magenta
    if (p <= 1530) return Set(255, 0, 255 - Ramp(p, 1275));    // magenta to red
    return;
  }
  if (p >= -255) return Set(255, 0, Ramp(p, 0));               // red to magenta
  if (p >= -510) return Set(255 - Ramp(p, -255), 0, 255);      // magenta to blue
  if (p >= -765) return Set(0, Ramp(p, -510), 255);            // blue to cyan
  if (p >= -1020) return Set(0, 255, 255 - Ramp(p, -765));     // cyan to green
  if (p >= -1275) return Set(Ramp(p, -1020), 255, 0);          // green to yellow
  if (p >= -1530) return Set(255, 255 - Ramp(p, -1275), 0);    // yellow to red
}

}  // namespace rw
