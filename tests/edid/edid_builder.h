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
// A CTA-861 block with the descriptors from byte 4 on.
Bytes CtaBlock(const std::vector<Descriptor>& descriptors);

// Appends a block and counts it in block 0; then fixes every checksum.
void AppendBlock(Bytes& edid, const Bytes& block);
void FixChecksums(Bytes& edid);

}  // namespace rw::test
