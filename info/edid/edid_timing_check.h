#pragma once

#include "info/edid/edid_info.h"

#include <string>
#include <vector>

namespace rw {

// Whether a decoded timing can be a real mode. A pixel clock below 10 MHz
// or a refresh rate outside 10 to 1000 Hz marks filler bytes or a vendor's
// placeholder; such a timing is left out, with a warning that names its
// block and its number there.
bool PlausibleTiming(const EdidTiming& timing, std::vector<std::string>& warnings);

}  // namespace rw
