// Every file of malformed/ gives its defined result: an error that says
// what is wrong, or the fields that are still sane with a warning.

#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace rw {
namespace {

struct Outcome {
  const char* file;
  const char* error;                  // the parse fails with this, or nullptr
  std::vector<std::string> warnings;  // else: the warnings, in order
  int timings;                        // and how many timings are left
};

const Outcome kOutcomes[] = {
    {"empty", "EDID shorter than one block at byte 0", {}, 0},
    {"header_only", "EDID shorter than one block at byte 8", {}, 0},
    {"base_block_cut", "EDID shorter than one block at byte 127", {}, 0},
    {"header_broken", "no EDID header at byte 0", {}, 0},
    {"base_checksum_wrong", nullptr, {"checksum of block 0 is wrong"}, 1},
    {"announces_more_extensions", nullptr, {"block 0 announces 3 extension blocks, 1 present"}, 6},
    {"announces_255_extensions", nullptr, {"block 0 announces 255 extension blocks, 0 present"}, 1},
    {"trailing_bytes", nullptr, {}, 6},
    {"extension_cut", nullptr, {"block 0 announces 1 extension blocks, 0 present"}, 1},
    {"cta_offset_on_checksum", nullptr, {"CTA-861 detailed timing offset 127 out of range in block 1"}, 1},
    {"cta_offset_past_block", nullptr, {"CTA-861 detailed timing offset 255 out of range in block 1"}, 1},
    {"cta_offset_inside_header", nullptr, {"CTA-861 detailed timing offset 2 out of range in block 1"}, 1},
    {"cta_descriptor_into_checksum", nullptr, {"CTA-861 data block at byte 105 runs past byte 120 in block 1"}, 1},
    {"displayid_section_too_long", nullptr, {"DisplayID section of 255 bytes does not fit in block 1"}, 1},
    {"displayid_data_block_too_long", nullptr,
     {"DisplayID section checksum is wrong in block 1",
      "DisplayID data block at byte 5 runs past its section in block 1"},
     1},
    {"displayid_timing_cut", nullptr, {"DisplayID section checksum is wrong in block 1"}, 1},
    {"displayid_timing_all_ones", nullptr,
     {"DisplayID section checksum is wrong in block 1",
      "DisplayID timing 1 of block 1 dropped: refresh rate 9.766 Hz is outside 10 to 1000 Hz"},
     1},
    {"displayid_empty_section", nullptr, {"DisplayID section checksum is wrong in block 1"}, 1},
    {"timing_without_pixels", nullptr, {}, 0},
    {"descriptors_all_ones", nullptr,
     {"detailed timing 1 of block 0 dropped: refresh rate 9.770 Hz is outside 10 to 1000 Hz",
      "detailed timing 2 of block 0 dropped: refresh rate 9.770 Hz is outside 10 to 1000 Hz",
      "detailed timing 3 of block 0 dropped: refresh rate 9.770 Hz is outside 10 to 1000 Hz",
      "detailed timing 4 of block 0 dropped: refresh rate 9.770 Hz is outside 10 to 1000 Hz"},
     0},
    {"manufacturer_letters_zero", nullptr, {"manufacturer id has a letter out of range at byte 8"}, 1},
    {"name_unprintable", nullptr, {}, 1},
    {"range_offsets_all_set", nullptr, {}, 1},
    {"size_ratio_only", nullptr, {}, 1},
    {"unknown_extension", nullptr, {}, 1},
    {"eeodb_count_zero", nullptr, {"HF-EEODB in block 1 announces 0 extension blocks; block 0's count is used"}, 2},
    {"eeodb_fewer_than_present", nullptr, {"HF-EEODB in block 1 announces 2 extension blocks, 3 present"}, 2},
    {"eeodb_more_than_present", nullptr, {"HF-EEODB in block 1 announces 3 extension blocks, 1 present"}, 2},
    // The override does not fit the data blocks: byte 126 counts, and the
    // descriptors read from byte 6 are what they are.
    {"eeodb_past_data_blocks", nullptr,
     {"CTA-861 data block at byte 4 runs past byte 6 in block 1",
      "detailed timing 1 of block 1 dropped: refresh rate 7.511 Hz is outside 10 to 1000 Hz",
      "detailed timing 3 of block 1 dropped: pixel clock 8.750 MHz is below 10 MHz",
      "detailed timing 5 of block 1 dropped: pixel clock 8.830 MHz is below 10 MHz"},
     4},
    {"cta_data_block_too_long", nullptr, {"CTA-861 data block at byte 4 runs past byte 31 in block 1"}, 6},
    {"hdmi_image_size_cut", nullptr, {}, 1},
    {"tiled_topology_short", nullptr,
     {"DisplayID section checksum is wrong in block 2", "DisplayID tiled topology of 8 bytes is too short in block 2"},
     4},
    {"tiled_location_outside", nullptr,
     {"DisplayID section checksum is wrong in block 2", "DisplayID tile 2, 0 lies outside its 2 x 1 tiles in block 2"},
     5},
    {"timing_clock_9mhz", nullptr, {"detailed timing 1 of block 0 dropped: pixel clock 9.000 MHz is below 10 MHz"}, 0},
};

std::string Folder(const char* name) { return std::string(RW_EDID_SAMPLES) + "/" + name; }

TEST(EdidMalformed, EveryFileGivesItsDefinedResult) {
  std::set<std::string> listed;
  for (const Outcome& o : kOutcomes) {
    SCOPED_TRACE(o.file);
    listed.insert(o.file);
    const test::Bytes bytes = test::ReadBytes(Folder("malformed/") + o.file);
    const Parsed<EdidInfo> parsed = ParseEdid(bytes);
    if (o.error) {
      ASSERT_FALSE(parsed.ok());
      EXPECT_EQ(parsed.error().Describe(), o.error);
      continue;
    }
    ASSERT_TRUE(parsed.ok()) << parsed.error().Describe();
    const EdidInfo& info = parsed.value();
    EXPECT_EQ(info.warnings, o.warnings);
    EXPECT_EQ(static_cast<int>(info.timings.size()), o.timings);
    EXPECT_EQ(info.preferred.has_value(), o.timings > 0);
  }
  // Every file in the folder is in the table above.
  for (const auto& entry : std::filesystem::directory_iterator(Folder("malformed"))) {
    EXPECT_TRUE(listed.count(entry.path().filename().string())) << entry.path();
  }
}

TEST(EdidMalformed, WhatStaysSane) {
  const auto parse = [](const char* name) {
    return ParseEdid(test::ReadBytes(Folder("malformed/") + name)).value();
  };
  // The fault is in the first timing; name and maker are still read.
  EXPECT_EQ(parse("base_checksum_wrong").name, "SyncMaster");
  EXPECT_EQ(parse("name_unprintable").name, std::nullopt);  // the text ends at its first byte
  EXPECT_EQ(parse("manufacturer_letters_zero").manufacturer_id, "");
  EXPECT_FALSE(parse("size_ratio_only").image_size);
  const EdidInfo offsets = parse("range_offsets_all_set");
  EXPECT_EQ(offsets.range_limits->min_vertical_hz, 56 + 255);
  EXPECT_EQ(offsets.range_limits->max_horizontal_khz, 81 + 255);
  EXPECT_EQ(parse("timing_without_pixels").timings.size(), 0u);
  // Without the image-size byte the base size stays a size.
  EXPECT_EQ(parse("hdmi_image_size_cut").image_size, (ImageSize{1440, 810}));
  EXPECT_FALSE(parse("tiled_topology_short").tiles);
  EXPECT_FALSE(parse("tiled_location_outside").tiles);
  EXPECT_EQ(parse("tiled_location_outside").native, (Resolution{3840, 2160}));
  EXPECT_EQ(parse("eeodb_more_than_present").extension_blocks, 1);
  EXPECT_EQ(parse("eeodb_past_data_blocks").extension_blocks, 1);
}

}  // namespace
}  // namespace rw
