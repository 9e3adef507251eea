#pragma once

#include "info/edid/edid_info.h"

#include <optional>

namespace rw {

// The panel's preferred timing among info.timings:
// 1. the first DisplayID timing marked preferred: high-resolution panels
//    keep there the modes that an 18-byte descriptor cannot hold;
// 2. else the base block's first detailed timing, when the block declares
//    it preferred (always so from EDID 1.4 on);
// 3. else, with no timing declared preferred, the largest detailed timing,
//    the first of equals: the panel's own mode is the one it shows most of.
std::optional<EdidTiming> ChoosePreferredTiming(const EdidInfo& info, bool first_is_preferred,
                                                bool base_starts_with_timing);

}  // namespace rw
