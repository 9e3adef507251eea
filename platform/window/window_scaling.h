#pragma once

namespace rw {

// Turns Qt's scaling off for this process, so that one pixel of an image or
// of a window's inner area is one device pixel at every desktop scale
// factor. Must run before the QApplication is created.
void DisableQtScaling();

}  // namespace rw
