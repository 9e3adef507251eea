#include "platform/controls_font.h"

namespace rw {

QFont ControlFont() {
  // Liberation Sans has Arial's metrics; fontconfig substitutes where it is
  // missing.
  QFont font(u"Liberation Sans"_qs);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace rw
