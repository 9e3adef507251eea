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
    {"cta_descriptor_into_checksum", nullptr, {}, 1},
    {"displayid_section_too_long", nullptr, {"DisplayID section of 255 bytes does not fit in block 1"}, 1},
    {"displayid_data_block_too_long", nullptr,
     {"DisplayID section checksum is wrong in block 1",
      "DisplayID data block at byte 5 runs past its section in block 1"},
     1},
    {"displayid_timing_cut", nullptr, {"DisplayID section checksum is wrong in block 1"}, 1},
    {"displayid_timing_all_ones", nullptr, {"DisplayID section checksum is wrong in block 1"}, 2},
    {"displayid_empty_section", nullptr, {"DisplayID section checksum is wrong in block 1"}, 1},
    {"timing_without_pixels", nullptr, {}, 0},
    {"descriptors_all_ones", nullptr, {}, 4},
    {"manufacturer_letters_zero", nullptr, {"manufacturer id has a letter out of range at byte 8"}, 1},
    {"name_unprintable", nullptr, {}, 1},
    {"range_offsets_all_set", nullptr, {}, 1},
    {"size_ratio_only", nullptr, {}, 1},
    {"unknown_extension", nullptr, {}, 1},
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
  EXPECT_EQ(parse("name_unprintable").name, "?????????????");
  EXPECT_EQ(parse("manufacturer_letters_zero").manufacturer_id, "");
  const EdidInfo all_ones = parse("displayid_timing_all_ones");
  EXPECT_EQ(all_ones.timings[1].width, 65536);
  EXPECT_EQ(all_ones.timings[1].pixel_clock_khz, 16777216LL * 10);
  EXPECT_FALSE(parse("size_ratio_only").image_size);
  const EdidInfo offsets = parse("range_offsets_all_set");
  EXPECT_EQ(offsets.range_limits->min_vertical_hz, 56 + 255);
  EXPECT_EQ(offsets.range_limits->max_horizontal_khz, 81 + 255);
  EXPECT_EQ(parse("timing_without_pixels").timings.size(), 0u);
}

}  // namespace
}  // namespace rw
