#include "patterns/redraw.h"

#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw {
namespace {

// Whether the direct path of `pattern` writes every pixel of the area, so
// that the white clear before it would be overwritten unseen. Skipping it
// saves a whole pass over the image memory, which is what large images are
// limited by; the pixels come out the same.
bool CoversArea(std::int64_t pattern) {
  switch (pattern) {
    case 2: return ScreenHeight >= 2;  // also writes the ground around the discs
    case 3: return ScreenHeight >= 2;  // box 0 covers everything
    case 0: case 1: case 4: case 5: case 7: case 8: return true;
    default: return false;
  }
}

}  // namespace

void PaintPattern(std::int64_t pattern) {
  switch (pattern) {
    case 0: DrawVerticalLines(), DrawLineLabels(); break;
    case 1: DrawHorizontalLines(), DrawLineLabels(); break;
    case 2: DrawConcentricCircles(); break;
    case 3: DrawConcentricRectangles(); break;
    case 4: DrawRandomPixels(); break;
    case 5: DrawRainbowSpectrum(); break;
    case 6: DrawSmallText(); break;
    case 7: DrawColourBars(); break;
    case 8: MonochromeMode = 1, DrawMonochromeArea(); break;
    default: return;
  }
  DrawCaption();
}

std::int64_t RedrawPattern(std::int64_t pattern) {
  MonochromeMode = 0;
  if (pattern < 0 || pattern > 8) return 0;
  if (!BeginDrawing(DrawToImage == 1 ? ImageSurface(0) : WindowSurface(0))) return 0;
  SetDrawingFont(FontHandle(0));
  {
    DirectPaintingScope direct;
    if (!PatternTarget() || !CoversArea(pattern)) DrawBox(0, 0, ScreenWidth, ScreenHeight, 0xFFFFFF);
    PaintPattern(pattern);
  }
  EndDrawing();
  return 1;
}

std::int64_t RepaintWheelArea() {
  if (!BeginDrawing(WindowSurface(0))) return 0;
  DrawMonochromeArea();
  DrawCaption();
  EndDrawing();
  return 1;
}

}  // namespace rw
