#pragma once

#include "info/edid/edid_info.h"

#include <optional>

namespace rw {

// The panel's preferred timing among info.timings:
// 1. the first DisplayID timing marked preferred: high-resolution panels
//    keep there the modes that an 18-byte descriptor cannot hold;
// 2. else the timing of block 0's first descriptor, when the block declares
//    it preferred (always so from EDID 1.4 on);
// 3. else, with no timing declared preferred, the largest detailed timing,
//    the first of equals: the panel's own mode is the one it shows most of.
std::optional<EdidTiming> ChoosePreferredTiming(const EdidInfo& info, bool first_is_preferred);

// The panel's native resolution and how it is known, from the tiles, the
// preferred timing and block 0's flags: `first_is_native` is the bit that
// EDID 1.4 reads as "the first timing includes the native format" (and
// 1.3 as "the first timing is preferred").
void ChooseNativeResolution(EdidInfo& info, bool first_is_native, bool edid_1_4);

}  // namespace rw
