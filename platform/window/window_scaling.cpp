#include "platform/window/window_scaling.h"

#include <QByteArray>
#include <QtGlobal>

namespace rw {

void DisableQtScaling() {
  // The platform's own factor (Xft.dpi, the screen's scale) is switched off
  // by this one; the user's overrides would still multiply on top of it, so
  // they go too.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", QByteArray("0"));
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
  qunsetenv("QT_USE_PHYSICAL_DPI");
  qunsetenv("QT_DEVICE_PIXEL_RATIO");
}

}  // namespace rw
