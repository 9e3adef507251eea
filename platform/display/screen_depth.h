#pragma once

namespace rw {

// Whether windows on the primary screen can show the program's pictures:
// Qt paints windows only on screens of 15 bits per pixel or more (on an
// 8-bit palette X server they stay black). False without a screen.
bool ScreenShowsPictures();

}  // namespace rw
