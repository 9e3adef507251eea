#include "patterns/colour_circle.h"
#include "patterns/patterns.h"
#include "patterns/wheel_steps.h"
#include "platform/base/rgb.h"
#include "platform/raster/drawing.h"
#include "state/globals.h"

#include <cstdlib>

namespace rw {

void DrawMonochromeArea() {
  WheelPosition += 10 * static_cast<std::int64_t>(WheelSteps());
  // One notch past either end starts the circle again at red.
  if (std::llabs(WheelPosition) > 1530) WheelPosition = 0;
  SetCircleColour(WheelPosition);
  DrawBox(0, 0, ScreenWidth, ScreenHeight, Rgb(ColourRed, ColourGreen, ColourBlue));
}

}  // namespace rw
