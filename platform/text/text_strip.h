#pragma once

#include "platform/raster/session.h"

#include <QFont>

namespace rw {

// The height a font's text strip needs: max(h + 20, 50), h the height
// measured for "Hg".
int TextStripHeight(const QFont& font);

// Gives the session its default font and a strip for it, once per session.
void PrepareTextStrip(DrawingSession& session);

// Replaces the strip by one as tall as the session's font needs, if taller.
void FitTextStrip(DrawingSession& session);

}  // namespace rw
