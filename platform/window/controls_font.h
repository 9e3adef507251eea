#pragma once

#include <QFont>

namespace rw {

// The font of every control: a plain sans serif of 11 pixels, the size of a
// classic 8-point dialog font, so that texts fit the small fixed control
// sizes that callers give ("Programm-Version: " in 100 pixels).
QFont ControlFont();

}  // namespace rw
