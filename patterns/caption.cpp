#include "patterns/halving.h"
#include "patterns/patterns.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw {

void DrawCaption() {
  SetDrawingFont(FontHandle(0));
  // The start depends on the metrics text alone, so the caption's left end
  // stays put while the wheel changes the RGB part behind it.
  const std::int64_t y = ScreenHeight - 100;
  const std::int64_t x = Half(ScreenWidth) - 2 * TextLength(MetricsText);
  Text caption = MetricsText;
  if (MonochromeMode == 1) {
    caption += u", RGB("_qs + NumberToText(ColourRed) + u" / "_qs + NumberToText(ColourGreen) + u" / "_qs +
               NumberToText(ColourBlue) + u")"_qs;
  }
  DrawText(x, y, caption);
}

}  // namespace rw
