#include "info/edid/edid_descriptors.h"
#include "info/edid/edid_extensions.h"
#include "info/edid/edid_raw.h"

#include <string>

namespace rw {

using namespace edid;

void ReadCtaExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info) {
  const CtaExtensionHeader header = DecodeCtaHeader(bytes);
  const std::size_t first = header.detailed_timing_offset;
  if (first == 0) return;
  // The descriptors end before the checksum byte.
  if (first < 4 || first >= kBlockSize - 1) {
    info.warnings.push_back("CTA-861 detailed timing offset " + std::to_string(first) +
                            " out of range in block " + std::to_string(block));
    return;
  }
  for (std::size_t at = first; RangeFits(at, kDescriptorSize, kBlockSize - 1); at += kDescriptorSize) {
    const auto descriptor = bytes.subspan(at, kDescriptorSize);
    // Zero padding ends the list.
    if (LoadU16(descriptor, 0) == 0 && descriptor[3] == 0 && descriptor[2] == 0) break;
    ReadDescriptor(descriptor, block, info);
  }
}

}  // namespace rw
