#pragma once

#include "info/edid/edid_info.h"
#include "info/edid/edid_raw.h"

#include <optional>

namespace rw {

// The size unless it is not a real one: a zero side, or sides so small
// that they can only name an aspect ratio (16 mm x 9 mm and the like).
std::optional<ImageSize> RealImageSize(int width_mm, int height_mm);

// Sets screen_size, image_size and sizes_disagree of an info whose
// timings, preferred timing, native resolution and tiles are read, from
// block 0's size in cm and what an HDMI data block says about it.
void ChooseImageSize(EdidInfo& info, int screen_width_cm, int screen_height_cm,
                     std::optional<edid::HdmiImageSize> hdmi);

}  // namespace rw
