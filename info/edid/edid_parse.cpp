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
  info.screen_size = RealImageSize(base.horizontal_screen_size * 10, base.vertical_screen_size * 10);
  for (std::size_t offset : kDescriptorOffsets) ReadDescriptor(bytes.subspan(offset, kDescriptorSize), 0, info);
}

void ReadExtension(std::span<const std::uint8_t> block, int index, EdidInfo& info) {
  switch (block[0]) {
    case kCtaExtensionTag:
      ReadCtaExtension(block, index, info);
      break;
    case kDisplayIdExtensionTag:
      ReadDisplayIdExtension(block, index, info);
      break;
    default:
      break;  // block maps, vendor blocks and the like hold nothing we show
  }
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

  const std::size_t announced = header.extension_block_count;
  const std::size_t present = bytes.size() / kBlockSize - 1;
  if (present < announced) {
    info.warnings.push_back("block 0 announces " + std::to_string(announced) + " extension blocks, " +
                            std::to_string(present) + " present");
  }
  const std::size_t count = std::min(announced, present);
  for (std::size_t k = 1; k <= count; ++k) {
    const auto block = bytes.subspan(k * kBlockSize, kBlockSize);
    const int index = static_cast<int>(k);
    if (!ChecksumFits(block)) info.warnings.push_back("checksum of block " + std::to_string(k) + " is wrong");
    ReadExtension(block, index, info);
  }
  info.extension_blocks = static_cast<int>(count);

  const bool declared = info.version > 1 || info.revision >= 4 ||
                        (header.feature_support & kFeaturePreferredTimingMode) != 0;
  const bool starts_with_timing =
      DetailedTimingFrom(base.subspan(kDescriptorOffsets[0], kDescriptorSize), TimingSource::BaseBlock, 0).has_value();
  info.preferred = ChoosePreferredTiming(info, declared, starts_with_timing);
  // The preferred timing's size, else that of the first base-block timing
  // that gives a real one, else the whole-centimetre size of the base block.
  if (info.preferred) info.image_size = info.preferred->image_size;
  for (const EdidTiming& t : info.timings) {
    if (info.image_size) break;
    if (t.source == TimingSource::BaseBlock && t.image_size) {
      info.image_size = t.image_size;
      break;
    }
  }
  if (!info.image_size) info.image_size = info.screen_size;
  return info;
}

}  // namespace rw
