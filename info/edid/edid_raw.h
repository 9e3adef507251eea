#pragma once

// The records of an EDID as the VESA E-EDID, CTA-861 and DisplayID standards
// lay them out, with the standards' own field names. Decoders take a span
// that the caller has checked to be long enough; they never look further.

#include "info/version/version_bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rw::edid {

inline constexpr std::size_t kBlockSize = 128;
inline constexpr std::array<std::uint8_t, 8> kHeader = {0x00, 0xFF, 0xFF, 0xFF,
                                                        0xFF, 0xFF, 0xFF, 0x00};
inline constexpr std::size_t kDescriptorSize = 18;
inline constexpr std::array<std::size_t, 4> kDescriptorOffsets = {0x36, 0x48, 0x5A, 0x6C};

// Block 0.
struct BaseBlock {
  std::uint16_t id_manufacturer_name;  // big-endian: three 5-bit letters, 1 = 'A'
  std::uint16_t id_product_code;
  std::uint32_t id_serial_number;
  std::uint8_t week_of_manufacture;  // 0xFF: year_of_manufacture is a model year
  std::uint8_t year_of_manufacture;  // years since 1990
  std::uint8_t edid_version;
  std::uint8_t edid_revision;
  std::uint8_t video_input_definition;
  std::uint8_t horizontal_screen_size;  // cm
  std::uint8_t vertical_screen_size;    // cm
  std::uint8_t feature_support;         // bit 1: first detailed timing is preferred
  std::uint8_t extension_block_count;
};

inline BaseBlock DecodeBaseBlock(std::span<const std::uint8_t> b) {
  return {LoadU16(b, 8, ByteOrder::Big), LoadU16(b, 10), LoadU32(b, 12), b[16], b[17], b[18],
          b[19], b[20], b[21], b[22], b[24], b[126]};
}

inline constexpr std::uint8_t kFeaturePreferredTimingMode = 0x02;

// An 18-byte detailed timing descriptor; pixel_clock 0 marks a display
// descriptor instead.
struct DetailedTimingDescriptor {
  std::uint16_t pixel_clock;  // 10 kHz units
  std::uint16_t horizontal_addressable;
  std::uint16_t horizontal_blanking;
  std::uint16_t vertical_addressable;
  std::uint16_t vertical_blanking;
  std::uint16_t horizontal_addressable_image_size;  // mm
  std::uint16_t vertical_addressable_image_size;    // mm
  std::uint8_t signal_interface;                    // bit 7: interlaced
};

inline DetailedTimingDescriptor DecodeDetailedTiming(std::span<const std::uint8_t> d) {
  const auto high = [&](std::size_t at, int shift) {
    return static_cast<std::uint16_t>(((d[at] >> shift) & 0x0F) << 8);
  };
  return {LoadU16(d, 0),
          static_cast<std::uint16_t>(d[2] | high(4, 4)),
          static_cast<std::uint16_t>(d[3] | high(4, 0)),
          static_cast<std::uint16_t>(d[5] | high(7, 4)),
          static_cast<std::uint16_t>(d[6] | high(7, 0)),
          static_cast<std::uint16_t>(d[12] | high(14, 4)),
          static_cast<std::uint16_t>(d[13] | high(14, 0)),
          d[17]};
}

// Display descriptors: pixel clock 0, then the tag at byte 3 and 13 data
// bytes from byte 5.
inline constexpr std::uint8_t kTagProductSerialNumber = 0xFF;
inline constexpr std::uint8_t kTagAlphanumericDataString = 0xFE;
inline constexpr std::uint8_t kTagDisplayRangeLimits = 0xFD;
inline constexpr std::uint8_t kTagProductName = 0xFC;
inline constexpr std::size_t kDescriptorTextOffset = 5;
inline constexpr std::size_t kDescriptorTextSize = 13;

struct DisplayRangeLimits {
  std::uint8_t offsets;  // bits 0-3: +255 on max/min vertical, max/min horizontal
  std::uint8_t minimum_vertical_rate;    // Hz
  std::uint8_t maximum_vertical_rate;    // Hz
  std::uint8_t minimum_horizontal_rate;  // kHz
  std::uint8_t maximum_horizontal_rate;  // kHz
  std::uint8_t maximum_pixel_clock;      // 10 MHz units
};

inline DisplayRangeLimits DecodeRangeLimits(std::span<const std::uint8_t> d) {
  return {d[4], d[5], d[6], d[7], d[8], d[9]};
}

// CTA-861 extension block.
inline constexpr std::uint8_t kCtaExtensionTag = 0x02;
struct CtaExtensionHeader {
  std::uint8_t revision;
  std::uint8_t detailed_timing_offset;  // 0: neither data blocks nor timings
};

inline CtaExtensionHeader DecodeCtaHeader(std::span<const std::uint8_t> b) { return {b[1], b[2]}; }

// The data block collection runs from byte 4 to detailed_timing_offset;
// each block is one header byte and data_block_length bytes.
inline constexpr std::size_t kCtaDataBlocksOffset = 4;
struct CtaDataBlockHeader {
  std::uint8_t tag_code;           // bits 7-5
  std::uint8_t data_block_length;  // bits 4-0, the bytes after the header
};

inline CtaDataBlockHeader DecodeCtaDataBlockHeader(std::uint8_t b) {
  return {static_cast<std::uint8_t>(b >> 5), static_cast<std::uint8_t>(b & 0x1F)};
}

inline constexpr std::uint8_t kCtaVendorSpecificTag = 3;
inline constexpr std::uint8_t kCtaExtendedTag = 7;  // the first data byte is the extended tag

// HDMI Forum EDID Extension Override Data Block: the first data block of
// the first CTA-861 extension; its count replaces byte 126 of block 0.
inline constexpr std::uint8_t kHfEeodbExtendedTag = 0x78;
struct HfEeodb {
  std::uint8_t extended_tag_code;
  std::uint8_t edid_extension_block_count;
};

// The HDMI Licensing vendor-specific data block, from its header byte:
// IEEE OUI 00-0C-03 (least significant byte first), the source physical
// address, then optional bytes. Byte 8 says which optional fields follow;
// with HDMI_Video_present, the byte after the latency fields carries
// Image_Size in bits 4-3.
inline constexpr std::uint32_t kHdmiLicensingOui = 0x000C03;
inline constexpr std::size_t kHdmiVsdbLatencyFlags = 8;
inline constexpr std::uint8_t kLatencyFieldsPresent = 0x80;
inline constexpr std::uint8_t kInterlacedLatencyFieldsPresent = 0x40;
inline constexpr std::uint8_t kHdmiVideoPresent = 0x20;

enum class HdmiImageSize : std::uint8_t {
  NoInformation = 0,
  AspectRatioOnly = 1,   // the base block's size is only a ratio
  Centimetres = 2,       // the base block's size is right to 1 cm
  FiveCentimetres = 3,   // the base block's size counts in 5 cm
};

// DisplayID extension block: the tag, then one DisplayID section (its
// header, data blocks and section checksum), then the block checksum.
inline constexpr std::uint8_t kDisplayIdExtensionTag = 0x70;
inline constexpr std::size_t kSectionHeaderSize = 4;
struct DisplayIdSectionHeader {
  std::uint8_t structure_version;
  std::uint8_t section_bytes;  // length of the data blocks
  std::uint8_t product_type;
  std::uint8_t extension_count;
};

inline DisplayIdSectionHeader DecodeSectionHeader(std::span<const std::uint8_t> s) {
  return {s[0], s[1], s[2], s[3]};
}

inline constexpr std::size_t kDataBlockHeaderSize = 3;
struct DisplayIdDataBlockHeader {
  std::uint8_t data_block_tag;
  std::uint8_t block_revision;
  std::uint8_t payload_bytes;
};

inline DisplayIdDataBlockHeader DecodeDataBlockHeader(std::span<const std::uint8_t> s) {
  return {s[0], s[1], s[2]};
}

// Tiled Display Topology: DisplayID 1.3 tag 0x12, DisplayID 2.0 tag 0x28,
// the same 22-byte payload. Counts, locations and sizes are stored minus
// one (counts and locations split over two bytes); bezel and topology id
// follow.
inline constexpr std::uint8_t kTiledTopologyTag = 0x12;
inline constexpr std::uint8_t kTiledTopologyTagV2 = 0x28;
inline constexpr std::size_t kTiledTopologySize = 22;
struct TiledDisplayTopology {
  std::uint8_t tile_capabilities;
  std::uint8_t total_tiles;            // bits 7-4 horizontal, 3-0 vertical, low bits
  std::uint8_t tile_location;          // bits 7-4 horizontal, 3-0 vertical, low bits
  std::uint8_t high_bits;              // 7-6, 5-4: tiles h, v; 3-2, 1-0: location h, v
  std::uint16_t tile_width;            // pixels minus one
  std::uint16_t tile_height;
};

inline TiledDisplayTopology DecodeTiledTopology(std::span<const std::uint8_t> p) {
  return {p[0], p[1], p[2], p[3], LoadU16(p, 4), LoadU16(p, 6)};
}

inline constexpr std::uint8_t kTypeIDetailedTimingTag = 0x03;    // DisplayID 1.x
inline constexpr std::uint8_t kTypeVIIDetailedTimingTag = 0x22;  // DisplayID 2.x
inline constexpr std::size_t kDisplayIdTimingSize = 20;

// Type I and type VII detailed timings share this layout; every size is
// stored minus one, the clock in 10 kHz (type I) or 1 kHz (type VII) units.
struct DisplayIdDetailedTiming {
  std::uint32_t pixel_clock;
  std::uint8_t timing_options;  // bit 7: preferred, bit 4: interlaced
  std::uint16_t horizontal_active_image_pixels;
  std::uint16_t horizontal_blank_pixels;
  std::uint16_t vertical_active_image_lines;
  std::uint16_t vertical_blank_lines;
};

inline DisplayIdDetailedTiming DecodeDisplayIdTiming(std::span<const std::uint8_t> t) {
  return {static_cast<std::uint32_t>(LoadUnsigned(t, 0, 3, ByteOrder::Little)), t[3],
          LoadU16(t, 4), LoadU16(t, 6), LoadU16(t, 12), LoadU16(t, 14)};
}

}  // namespace rw::edid
