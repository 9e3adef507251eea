#include "tests/patterns/area.h"

#include "patterns/pattern_target.h"
#include "platform/base/random.h"
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw::test {

void MakeArea(std::int64_t w, std::int64_t h) {
  InitialiseGlobals();
  ScreenWidth = w;
  ScreenHeight = h;
  DrawToImage = 1;
  MetricsText = Text();
  LoadFont(0, u"Arial"_qs, 8);
  LoadFont(1, u"Arial"_qs, 5);
  if (CreateImage(0, w, h)) ImageHandle(0)->fill(0xFFFFFFFFu);
}

QImage PaintOnArea(const std::function<void()>& paint, Direct direct) {
  if (BeginDrawing(ImageSurface(0))) {
    SetDrawingFont(FontHandle(0));
    if (direct == Direct::Yes) {
      DirectPaintingScope scope;
      paint();
    } else {
      paint();
    }
    EndDrawing();
  }
  QImage* image = ImageHandle(0);
  return image ? image->copy() : QImage();
}

Colour ColourAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return Rgb(qRed(p), qGreen(p), qBlue(p));
}

std::int64_t CountOther(const QImage& image, int x0, int y0, int x1, int y1, Colour colour) {
  std::int64_t n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += ColourAt(image, x, y) != colour;
  }
  return n;
}

std::int64_t NextRandom() { return Random(0xFFFFFF); }

}  // namespace rw::test
