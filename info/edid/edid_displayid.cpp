#include "info/edid/edid_extensions.h"
#include "info/edid/edid_raw.h"
#include "info/edid/edid_timing_check.h"

#include <numeric>
#include <string>

namespace rw {

using namespace edid;

namespace {

EdidTiming TimingFrom(std::span<const std::uint8_t> bytes, bool type_vii, int block, int number) {
  const DisplayIdDetailedTiming d = DecodeDisplayIdTiming(bytes);
  EdidTiming t;
  t.source = type_vii ? TimingSource::DisplayIdTypeVII : TimingSource::DisplayIdTypeI;
  t.block = block;
  t.number = number;
  t.marked_preferred = (d.timing_options & 0x80) != 0;
  t.interlaced = (d.timing_options & 0x10) != 0;
  t.width = d.horizontal_active_image_pixels + 1;
  t.height = d.vertical_active_image_lines + 1;
  t.pixel_clock_khz = (std::int64_t{d.pixel_clock} + 1) * (type_vii ? 1 : 10);
  const double total_h = static_cast<double>(d.horizontal_active_image_pixels) + d.horizontal_blank_pixels + 2;
  const double total_v = static_cast<double>(d.vertical_active_image_lines) + d.vertical_blank_lines + 2;
  t.refresh_hz = t.pixel_clock_khz * 1000.0 / (total_h * total_v);
  return t;
}

// The first sane tiled topology becomes info.tiles; others only warn.
void ReadTiledTopology(std::span<const std::uint8_t> payload, const std::string& where, EdidInfo& info) {
  if (payload.size() < kTiledTopologySize) {
    info.warnings.push_back("DisplayID tiled topology of " + std::to_string(payload.size()) + " bytes is too short" +
                            where);
    return;
  }
  const TiledDisplayTopology t = DecodeTiledTopology(payload);
  EdidTiles tiles;
  tiles.columns = ((t.total_tiles >> 4) | ((t.high_bits >> 2) & 0x30)) + 1;
  tiles.rows = ((t.total_tiles & 0x0F) | (t.high_bits & 0x30)) + 1;
  tiles.column = (t.tile_location >> 4) | (((t.high_bits >> 2) & 0x03) << 4);
  tiles.row = (t.tile_location & 0x0F) | ((t.high_bits & 0x03) << 4);
  tiles.tile = {t.tile_width + 1, t.tile_height + 1};
  if (tiles.column >= tiles.columns || tiles.row >= tiles.rows) {
    info.warnings.push_back("DisplayID tile " + std::to_string(tiles.column) + ", " + std::to_string(tiles.row) +
                            " lies outside its " + std::to_string(tiles.columns) + " x " +
                            std::to_string(tiles.rows) + " tiles" + where);
    return;
  }
  if (!info.tiles) info.tiles = tiles;
}

}  // namespace

void ReadDisplayIdExtension(std::span<const std::uint8_t> bytes, int block, EdidInfo& info) {
  const std::string where = " in block " + std::to_string(block);
  // The section runs from byte 1; its checksum byte follows the data blocks
  // and must leave the block's own checksum byte free.
  const auto section = bytes.subspan(1, kBlockSize - 2);
  const DisplayIdSectionHeader header = DecodeSectionHeader(section);
  const std::size_t end = kSectionHeaderSize + header.section_bytes;
  if (!RangeFits(0, end + 1, section.size())) {
    info.warnings.push_back("DisplayID section of " + std::to_string(header.section_bytes) +
                            " bytes does not fit" + where);
    return;
  }
  const unsigned sum = std::accumulate(section.begin(), section.begin() + end + 1, 0u);
  if (sum % 256 != 0) info.warnings.push_back("DisplayID section checksum is wrong" + where);
  std::size_t at = kSectionHeaderSize;
  int number = 0;  // timings of this block so far
  while (RangeFits(at, kDataBlockHeaderSize, end)) {
    const DisplayIdDataBlockHeader data = DecodeDataBlockHeader(section.subspan(at));
    const std::size_t payload = at + kDataBlockHeaderSize;
    if (!RangeFits(payload, data.payload_bytes, end)) {
      info.warnings.push_back("DisplayID data block at byte " + std::to_string(at + 1) +
                              " runs past its section" + where);
      return;
    }
    const bool type_i = data.data_block_tag == kTypeIDetailedTimingTag;
    const bool type_vii = data.data_block_tag == kTypeVIIDetailedTimingTag;
    if (type_i || type_vii) {
      for (std::size_t t = 0; t + kDisplayIdTimingSize <= data.payload_bytes; t += kDisplayIdTimingSize) {
        const EdidTiming timing =
            TimingFrom(section.subspan(payload + t, kDisplayIdTimingSize), type_vii, block, ++number);
        if (PlausibleTiming(timing, info.warnings)) info.timings.push_back(timing);
      }
    }
    if (data.data_block_tag == kTiledTopologyTag || data.data_block_tag == kTiledTopologyTagV2) {
      ReadTiledTopology(section.subspan(payload, data.payload_bytes), where, info);
    }
    at = payload + data.payload_bytes;
  }
}

}  // namespace rw
