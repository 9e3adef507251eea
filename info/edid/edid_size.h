#pragma once

#include "info/edid/edid_info.h"

#include <optional>

namespace rw {

// The size unless it is not a real one: a zero side, or sides so small
// that they can only name an aspect ratio (16 mm x 9 mm and the like).
std::optional<ImageSize> RealImageSize(int width_mm, int height_mm);

}  // namespace rw
