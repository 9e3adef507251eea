// Writes malformed/: each file a real EDID of corpus/ (or a built one) with
// one fault; and built/: EDIDs made for the end-to-end tests. Run by hand
// from the source folder; the outputs are committed.
//   edid_make_samples tests/edid

#include "tests/edid/edid_builder.h"

#include <cstdio>
#include <string>

using namespace rw::test;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: edid_make_samples FOLDER\n");
    return 2;
  }
  const std::string root = argv[1];
  const auto corpus = [&](const char* name) { return ReadBytes(root + "/corpus/" + name); };
  const auto out = [&](const char* name, const Bytes& bytes) { WriteBytes(root + "/malformed/" + name, bytes); };
  const Bytes dell = corpus("dell_d1918h_2018.bin");
  const Bytes samsung = corpus("samsung_syncmaster_2004.bin");
  const Bytes csot = corpus("csot_mne007za1_displayid_2022.bin");
  const Bytes odyssey = corpus("samsung_odyssey_g70nc_eeodb_2022.bin");
  const Bytes ultrafine = corpus("lg_ultrafine_5k_tiled_2020.bin");
  // A good EDID with one byte changed and its checksums made right again, so
  // that only the changed field is at fault.
  const auto patched = [&](const char* name, const Bytes& good, std::size_t offset, std::uint8_t value) {
    Bytes bytes = good;
    bytes[offset] = value;
    FixChecksums(bytes);
    out(name, bytes);
  };

  out("empty", {});
  out("header_only", Bytes(dell.begin(), dell.begin() + 8));
  out("base_block_cut", Bytes(dell.begin(), dell.begin() + 127));
  Bytes b = samsung;
  b[3] = 0x00;
  out("header_broken", b);

  b = samsung;
  b[0x40] ^= 0x10;  // inside the first timing; checksum left as it was
  out("base_checksum_wrong", b);
  patched("announces_more_extensions", dell, 126, 3);
  patched("announces_255_extensions", samsung, 126, 255);
  b = dell;
  b.resize(dell.size() + 77, 0xEE);
  out("trailing_bytes", b);
  b = dell;
  b.resize(200);
  out("extension_cut", b);

  patched("cta_offset_on_checksum", dell, 128 + 2, 127);
  patched("cta_offset_past_block", dell, 128 + 2, 255);
  patched("cta_offset_inside_header", dell, 128 + 2, 2);
  patched("cta_descriptor_into_checksum", dell, 128 + 2, 120);  // a descriptor would run into the checksum

  patched("displayid_section_too_long", csot, 128 + 2, 0xFF);
  patched("displayid_data_block_too_long", csot, 128 + 7, 0xF0);
  patched("displayid_timing_cut", csot, 128 + 7, 19);  // less than one timing
  b = csot;
  for (int k = 8; k < 28; ++k) b[128 + k] = 0xFF;  // the largest sizes and clock
  FixChecksums(b);
  out("displayid_timing_all_ones", b);
  b = csot;
  b[128 + 2] = 0;
  b[128 + 5] = 0;
  FixChecksums(b);
  out("displayid_empty_section", b);

  b = samsung;
  for (int k = 0x36; k < 0x36 + 18; ++k) b[k] = 0;
  b[0x36] = 1;  // a clock, but no pixels
  FixChecksums(b);
  out("timing_without_pixels", b);
  b = samsung;
  for (int k = 0x36; k < 0x7E; ++k) b[k] = 0xFF;  // four timings of all ones
  FixChecksums(b);
  out("descriptors_all_ones", b);
  b = samsung;
  b[8] = 0x00;
  b[9] = 0x00;
  FixChecksums(b);
  out("manufacturer_letters_zero", b);
  b = samsung;
  for (int k = 0x5A + 5; k < 0x5A + 18; ++k) b[k] = 0x01;  // the name, unprintable
  FixChecksums(b);
  out("name_unprintable", b);
  patched("range_offsets_all_set", samsung, 0x48 + 4, 0x0F);  // range limits: every offset bit
  b = BaseBlock();
  b[21] = 0;
  b[22] = 0;
  SetDescriptor(b, 0, DetailedTiming(1920, 1080, 280, 45, 14850, 16, 9));
  FixChecksums(b);
  out("size_ratio_only", b);
  b = BaseBlock();
  b[126] = 1;
  Bytes unknown(128, 0);
  unknown[0] = 0xF0;  // a block map
  b.insert(b.end(), unknown.begin(), unknown.end());
  FixChecksums(b);
  out("unknown_extension", b);

  // HF-EEODB: the count byte, the blocks present, the data block's length.
  patched("eeodb_count_zero", odyssey, 128 + 6, 0);
  patched("eeodb_fewer_than_present", odyssey, 128 + 6, 2);
  out("eeodb_more_than_present", Bytes(odyssey.begin(), odyssey.begin() + 256));
  patched("eeodb_past_data_blocks", odyssey, 128 + 2, 6);  // the data blocks end inside it
  patched("cta_data_block_too_long", dell, 128 + 4, 0x5F);  // a video data block of 31 bytes

  // An HDMI data block whose flags promise the image-size byte it lacks.
  b = BaseBlock();
  b[21] = 144;
  b[22] = 81;
  SetDescriptor(b, 0, DetailedTiming(3840, 2160, 560, 90, 59400, 1440, 810));
  AppendBlock(b, CtaBlock({{0x69, 0x03, 0x0C, 0x00, 0x10, 0x00, 0x00, 0x00, 0xE0, 0x08}}, {}));
  out("hdmi_image_size_cut", b);

  // Tiled topology: too short, and a tile outside its panel. Only the block
  // checksums are made right again.
  patched("tiled_topology_short", ultrafine, 256 + 7, 8);
  patched("tiled_location_outside", ultrafine, 256 + 10, 0x20);
  b = samsung;
  b[0x36 + 1] = 0x03;
  patched("timing_clock_9mhz", b, 0x36, 0x84);  // 0x0384: 900 x 10 kHz

  // The Odyssey's blocks 0 and 1 (byte 126: 1, HF-EEODB: 3) followed by
  // DisplayID blocks with the modes above 60 Hz, as such monitors send them.
  b = Bytes(odyssey.begin(), odyssey.begin() + 256);
  for (const IdTiming& t : {DisplayIdTiming(3840, 2160, 80, 55, 125033, true),     // 144 Hz
                            DisplayIdTiming(3840, 2160, 80, 62, 106628, false)}) {  // 120 Hz
    const Bytes block = DisplayIdBlock({t}, false);
    b.insert(b.end(), block.begin(), block.end());
  }
  FixChecksums(b);
  WriteBytes(root + "/built/eeodb_displayid_144hz.bin", b);
  return 0;
}
