#pragma once

namespace rw {

// Whether the X server that $DISPLAY names accepts a connection; the probe
// closes it again at once.
bool XServerAnswers();

// Bits per pixel that the X server of Qt's connection stores for a visual of
// `depth`, as a desktop's colour depth is usually quoted: a 24-bit visual is
// 32 bits per pixel. 0 when the program is not on X11 or the server has no
// format of that depth.
int X11BitsPerPixel(int depth);

}  // namespace rw
