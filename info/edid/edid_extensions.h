#pragma once

#include "info/edid/edid_info.h"

#include <cstdint>
#include <span>

namespace rw {

// Add the timings (and, for CTA-861, the display descriptors) of one
// 128-byte extension block with index `block` to info; faults that leave
// the rest usable become warnings.
void ReadCtaExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info);
void ReadDisplayIdExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info);

}  // namespace rw
