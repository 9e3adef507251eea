#pragma once

#include <QImage>

namespace rw {

// The program's 32 x 32 picture: a monitor showing colour bars over a
// one-pixel black and white grating, on a stand.
QImage ProgramIconImage();

}  // namespace rw
