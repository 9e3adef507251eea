#include "platform/window/scale_warning.h"

#include "platform/display/program_outputs.h"
#include "platform/wayland/pixel_surface.h"
#include "platform/window/message_box.h"
#include "platform/window/window_units.h"

#include <cmath>

namespace rw {

Text ScaledPicturesWarning(DeviceScale scale) {
  const long percent = std::lround(scale.Value() * 100.0);
  return u"Die Anzeige ist auf "_qs + QString::number(percent) +
         u" % skaliert. Bei dieser Skalierung kann die Arbeitsfläche die Testbilder nicht Pixel für Pixel "
         u"zeigen: Sie werden umgerechnet und erscheinen unscharf, und Streifen oder Moiré stammen dann nicht vom "
         u"Monitor. Stellen Sie die Skalierung auf 100 % oder 200 %, um den Monitor zu prüfen."_qs;
}

void WarnOnceIfPicturesScaled() {
  static bool warned = false;
  if (warned || !PixelSurface::Available()) return;
  const DeviceScale scale = WindowScale();
  const std::vector<WaylandOutput> outputs = WaylandOutputsPrimaryFirst();
  const bool output_exact = outputs.empty() || MapsExactly(outputs.front());
  if (PixelSurface::ExactAt(scale) && output_exact) return;
  warned = true;
  ShowMessage(u"Rasterwacht"_qs, ScaledPicturesWarning(scale), 0);
}

}  // namespace rw
