#include "info/display_metrics.h"

#include "platform/base/float_to_int.h"
#include "platform/display/desktops.h"
#include "state/globals.h"
#include "state/program_end.h"

namespace rw {

void BuildRatioText(std::int64_t a, std::int64_t b) {
  // A real display never reports a non-positive size; should one arrive,
  // there is no ratio to reduce, and "?" says so instead of dividing by 0.
  if (a <= 0 || b <= 0) {
    RatioText = u"?:?"_qs;
    return;
  }
  std::int64_t x = a;
  std::int64_t y = b;
  while (x != y) {
    if (x > y) {
      x -= y;
    } else {
      y -= x;
    }
  }
  const std::int64_t g = x;
  const std::int64_t p = FloatToInt(static_cast<double>(a) / static_cast<double>(g));
  const std::int64_t q = FloatToInt(static_cast<double>(b) / static_cast<double>(g));
  RatioText = NumberToText(p) + u":"_qs + NumberToText(q);
}

void ReadDisplayMetrics() {
  if (ScanDesktops() <= 0) EndProgram();
  const std::int64_t w = DesktopWidth(0);
  const std::int64_t h = DesktopHeight(0);
  const std::int64_t d = DesktopDepth(0);
  BuildRatioText(w, h);
  MetricsText = NumberToText(w) + u"*"_qs + NumberToText(h) + u", Ratio: "_qs + RatioText + u", Farbtiefe:"_qs +
                NumberToText(d) + u" Bit"_qs;
  ScreenWidth = w - 6;
  ScreenHeight = h - 66;
}

}  // namespace rw
