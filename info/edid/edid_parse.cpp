#include "info/edid/edid_parse.h"

#include "info/edid/edid_descriptors.h"
#include "info/edid/edid_extensions.h"
#include "info/edid/edid_preferred.h"
#include "info/edid/edid_raw.h"
#include "info/edid/edid_size.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace rw {

using namespace edid;

namespace {

bool ChecksumFits(std::span<const std::uint8_t> block) {
  return std::accumulate(block.begin(), block.end(), 0u) % 256 == 0;
}

// Three letters of five bits each, 1 for 'A'; empty when one is out of range.
std::string ManufacturerId(std::uint16_t packed) {
  std::string id;
  for (int shift : {10, 5, 0}) {
    const int letter = (packed >> shift) & 0x1F;
    if (letter < 1 || letter > 26) return {};
    id.push_back(static_cast<char>('A' + letter - 1));
  }
  return id;
}

void ReadBaseBlock(std::span<const std::uint8_t> bytes, const BaseBlock& base, EdidInfo& info) {
  info.version = base.edid_version;
  info.revision = base.edid_revision;
  info.manufacturer_id = ManufacturerId(base.id_manufacturer_name);
  if (info.manufacturer_id.empty()) info.warnings.push_back("manufacturer id has a letter out of range at byte 8");
  info.product_code = base.id_product_code;
  info.serial_number = base.id_serial_number;
  info.model_year = base.week_of_manufacture == 0xFF;
  info.week = base.week_of_manufacture <= 54 ? base.week_of_manufacture : 0;
  info.year = 1990 + base.year_of_manufacture;
  for (std::size_t k = 0; k < kDescriptorOffsets.size(); ++k) {
    ReadDescriptor(bytes.subspan(kDescriptorOffsets[k], kDescriptorSize), 0, static_cast<int>(k + 1), info);
  }
}

void ReadExtension(std::span<const std::uint8_t> block, int index, EdidInfo& info, CtaFindings& findings) {
  switch (block[0]) {
    case kCtaExtensionTag:
      ReadCtaExtension(block, index, info, findings);
      break;
    case kDisplayIdExtensionTag:
      ReadDisplayIdExtension(block, index, info);
      break;
    default:
      break;  // block maps, vendor blocks and the like hold nothing we show
  }
}

// How many extension blocks to read: block 0's count, or the count of an
// HF-EEODB in block 1, as far as they are present.
std::size_t ExtensionCount(std::span<const std::uint8_t> bytes, std::size_t announced, std::size_t present,
                           EdidInfo& info) {
  const std::optional<int> eeodb =
      announced >= 1 && present >= 1 ? HfEeodbCount(bytes.subspan(kBlockSize, kBlockSize)) : std::nullopt;
  if (eeodb == 0) {
    info.warnings.push_back("HF-EEODB in block 1 announces 0 extension blocks; block 0's count is used");
  } else if (eeodb) {
    const auto count = static_cast<std::size_t>(*eeodb);
    if (count != present) {
      info.warnings.push_back("HF-EEODB in block 1 announces " + std::to_string(count) + " extension blocks, " +
                              std::to_string(present) + " present");
    }
    return std::min(count, present);
  }
  if (present < announced) {
    info.warnings.push_back("block 0 announces " + std::to_string(announced) + " extension blocks, " +
                            std::to_string(present) + " present");
  }
  return std::min(announced, present);
}

}  // namespace

Parsed<EdidInfo> ParseEdid(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kBlockSize) return Fail("EDID shorter than one block", bytes.size());
  if (!std::equal(kHeader.begin(), kHeader.end(), bytes.begin())) return Fail("no EDID header", 0);
  EdidInfo info;
  const auto base = bytes.first(kBlockSize);
  if (!ChecksumFits(base)) info.warnings.push_back("checksum of block 0 is wrong");
  const BaseBlock header = DecodeBaseBlock(base);
  ReadBaseBlock(base, header, info);

  const std::size_t present = bytes.size() / kBlockSize - 1;
  const std::size_t count = ExtensionCount(bytes, header.extension_block_count, present, info);
  CtaFindings findings;
  for (std::size_t k = 1; k <= count; ++k) {
    const auto block = bytes.subspan(k * kBlockSize, kBlockSize);
    const int index = static_cast<int>(k);
    if (!ChecksumFits(block)) info.warnings.push_back("checksum of block " + std::to_string(k) + " is wrong");
    ReadExtension(block, index, info, findings);
  }
  info.extension_blocks = static_cast<int>(count);

  const bool edid_1_4 = info.version > 1 || info.revision >= 4;
  const bool first_is_native = (header.feature_support & kFeaturePreferredTimingMode) != 0;
  info.preferred = ChoosePreferredTiming(info, edid_1_4 || first_is_native);
  ChooseNativeResolution(info, first_is_native, edid_1_4);
  ChooseImageSize(info, header.horizontal_screen_size, header.vertical_screen_size, findings.image_size);
  return info;
}

}  // namespace rw
