#include "platform/window/controls_font.h"

#include "platform/window/window_units.h"

#include <algorithm>

namespace rw {

QFont ControlFont() {
  // Liberation Sans has Arial's metrics; fontconfig substitutes where it is
  // missing.
  QFont font(u"Liberation Sans"_qs);
  font.setStyleHint(QFont::SansSerif);
  // 11 device pixels, also where the desktop scales the controls.
  font.setPixelSize(static_cast<int>(std::max<std::int64_t>(1, RoundedLogical(11, WindowScale()))));
  return font;
}

}  // namespace rw
