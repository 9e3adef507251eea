#pragma once

#include <QFont>

namespace rw {

// The font with its rasterisation fixed: grey-scale smoothing, no sub-pixel
// colour fringes, full hinting. Left to the desktop, these settings differ
// between the X11 session and the headless renderer, and so would the pixels.
inline QFont WithFixedRendering(QFont font) {
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace rw
