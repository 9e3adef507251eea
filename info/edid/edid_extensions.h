#pragma once

#include "info/edid/edid_info.h"
#include "info/edid/edid_raw.h"

#include <cstdint>
#include <optional>
#include <span>

namespace rw {

// What CTA-861 blocks say that changes the reading of block 0.
struct CtaFindings {
  std::optional<edid::HdmiImageSize> image_size;  // from the first HDMI vendor-specific data block
};

// Add the timings (and, for CTA-861, the display descriptors) of one
// 128-byte extension block with index `block` to info; faults that leave
// the rest usable become warnings.
void ReadCtaExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info, CtaFindings& findings);
void ReadDisplayIdExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info);

// The extension count of an HF-EEODB at the start of the data blocks of
// this 128-byte block, when it is a CTA-861 block that carries one.
std::optional<int> HfEeodbCount(std::span<const std::uint8_t> block);

}  // namespace rw
