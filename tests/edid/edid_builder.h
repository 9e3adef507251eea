#pragma once

// Builds EDIDs byte by byte for the tests and the malformed samples.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rw::test {

using Bytes = std::vector<std::uint8_t>;
using Descriptor = std::array<std::uint8_t, 18>;
using IdTiming = std::array<std::uint8_t, 20>;

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);

// A valid EDID 1.4 base block: "DEL", product 0x4242, serial 123456,
// week 10 of 2020, 53 x 30 cm, a 1920x1080 60 Hz timing of 527 x 296 mm
// and the name "TEST MONITOR". No extensions.
Bytes BaseBlock();

// A detailed timing with the given active sizes, blanking, clock (10 kHz
// units) and image size in mm.
Descriptor DetailedTiming(int width, int height, int h_blank, int v_blank, int clock_10khz,
                          int width_mm, int height_mm);
Descriptor TextDescriptor(std::uint8_t tag, std::string_view text);
void SetDescriptor(Bytes& edid, int index, const Descriptor& descriptor);

// A DisplayID 1.3 (type I, tag 0x03) or 2.0 (type VII, tag 0x22)
// extension block holding the timings, with both checksums right.
IdTiming DisplayIdTiming(int width, int height, int h_blank, int v_blank, int clock_units, bool preferred);
Bytes DisplayIdBlock(const std::vector<IdTiming>& timings, bool type_vii);
// A DisplayID 1.3 or 2.0 extension block holding the data blocks (each
// with its 3-byte header), with the section checksum right.
Bytes DisplayIdBlockWith(const std::vector<Bytes>& data_blocks, bool version_2);
// A Tiled Display Topology data block (tag 0x12, or 0x28 for DisplayID 2.0).
Bytes TiledTopology(int columns, int rows, int column, int row, int tile_width, int tile_height, bool version_2);
// A CTA-861 block with the data blocks (each with its header byte) from
// byte 4 on, then the descriptors.
Bytes CtaBlock(const std::vector<Bytes>& data_blocks, const std::vector<Descriptor>& descriptors);
Bytes CtaBlock(const std::vector<Descriptor>& descriptors);
// An HF-EEODB data block, and an HDMI vendor-specific data block whose
// Image_Size field is `image_size` (1: the base size is only a ratio),
// with or without the latency fields before it.
Bytes HfEeodb(int count);
Bytes HdmiVsdb(std::uint8_t image_size, bool latencies = false);

// Appends a block and counts it in block 0; then fixes every checksum.
void AppendBlock(Bytes& edid, const Bytes& block);
void FixChecksums(Bytes& edid);

}  // namespace rw::test
