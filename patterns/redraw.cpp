#include "patterns/redraw.h"

#include "patterns/pattern_target.h"
#include "patterns/patterns.h"
#include "patterns/series.h"
#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw {

std::int64_t RedrawPattern(std::int64_t pattern) {
  MonochromeMode = 0;
  const SeriesImage* image = SeriesImageAt(pattern);
  if (!image) return 0;
  if (!BeginDrawing(DrawToImage == 1 ? ImageSurface(0) : WindowSurface(0))) return 0;
  SetDrawingFont(FontHandle(0));
  {
    DirectPaintingScope direct;
    // An image that writes every pixel of the area itself would overwrite
    // the white clear unseen. Skipping it saves a whole pass over the image
    // memory, which is what large images are limited by; the pixels come
    // out the same.
    if (!PatternTarget() || !image->covers_area()) DrawBox(0, 0, ScreenWidth, ScreenHeight, 0xFFFFFF);
    image->paint();
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
