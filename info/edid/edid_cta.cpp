#include "info/edid/edid_descriptors.h"
#include "info/edid/edid_extensions.h"
#include "info/edid/edid_raw.h"

#include <string>

namespace rw {

using namespace edid;

namespace {

// Image_Size of an HDMI Licensing data block `x` (its header byte first,
// `length` bytes after it); nullopt for any other data block or one too
// short to carry the field.
std::optional<HdmiImageSize> HdmiImageSizeOf(std::span<const std::uint8_t> x, std::size_t length) {
  if (length < 3 || (x[1] | x[2] << 8 | x[3] << 16) != kHdmiLicensingOui) return std::nullopt;
  if (length < kHdmiVsdbLatencyFlags) return std::nullopt;
  const std::uint8_t flags = x[kHdmiVsdbLatencyFlags];
  if ((flags & kHdmiVideoPresent) == 0) return std::nullopt;
  std::size_t at = kHdmiVsdbLatencyFlags + 1;
  if (flags & kLatencyFieldsPresent) at += 2;
  if (flags & kInterlacedLatencyFieldsPresent) at += 2;
  if (at > length) return std::nullopt;
  return static_cast<HdmiImageSize>((x[at] >> 3) & 0x03);
}

void ReadDataBlocks(std::span<const std::uint8_t> bytes, std::size_t end, int block, CtaFindings& findings,
                    EdidInfo& info) {
  std::size_t at = kCtaDataBlocksOffset;
  while (at < end) {
    const CtaDataBlockHeader header = DecodeCtaDataBlockHeader(bytes[at]);
    if (!RangeFits(at + 1, header.data_block_length, end)) {
      info.warnings.push_back("CTA-861 data block at byte " + std::to_string(at) + " runs past byte " +
                              std::to_string(end) + " in block " + std::to_string(block));
      return;
    }
    if (header.tag_code == kCtaVendorSpecificTag && !findings.image_size) {
      findings.image_size = HdmiImageSizeOf(bytes.subspan(at, header.data_block_length + 1), header.data_block_length);
    }
    at += 1 + header.data_block_length;
  }
}

}  // namespace

void ReadCtaExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info, CtaFindings& findings) {
  const CtaExtensionHeader header = DecodeCtaHeader(bytes);
  const std::size_t first = header.detailed_timing_offset;
  if (first == 0) return;
  // The descriptors end before the checksum byte.
  if (first < kCtaDataBlocksOffset || first >= kBlockSize - 1) {
    info.warnings.push_back("CTA-861 detailed timing offset " + std::to_string(first) +
                            " out of range in block " + std::to_string(block));
    return;
  }
  ReadDataBlocks(bytes, first, block, findings, info);
  for (std::size_t at = first; RangeFits(at, kDescriptorSize, kBlockSize - 1); at += kDescriptorSize) {
    const auto descriptor = bytes.subspan(at, kDescriptorSize);
    // Zero padding ends the list.
    if (LoadU16(descriptor, 0) == 0 && descriptor[3] == 0 && descriptor[2] == 0) break;
    ReadDescriptor(descriptor, block, static_cast<int>(1 + (at - first) / kDescriptorSize), info);
  }
}

std::optional<int> HfEeodbCount(std::span<const std::uint8_t> block) {
  if (block[0] != kCtaExtensionTag) return std::nullopt;
  const std::size_t end = DecodeCtaHeader(block).detailed_timing_offset;
  if (end >= kBlockSize - 1 || !RangeFits(kCtaDataBlocksOffset, 1 + sizeof(HfEeodb), end)) return std::nullopt;
  const CtaDataBlockHeader header = DecodeCtaDataBlockHeader(block[kCtaDataBlocksOffset]);
  const HfEeodb eeodb{block[kCtaDataBlocksOffset + 1], block[kCtaDataBlocksOffset + 2]};
  if (header.tag_code != kCtaExtendedTag || header.data_block_length < sizeof(HfEeodb) ||
      eeodb.extended_tag_code != kHfEeodbExtendedTag ||
      !RangeFits(kCtaDataBlocksOffset + 1, header.data_block_length, end)) {
    return std::nullopt;
  }
  return eeodb.edid_extension_block_count;
}

}  // namespace rw
