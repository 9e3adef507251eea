// The parser over real EDIDs of different makers and ages (see corpus/README).

#include "info/edid/edid_parse.h"
#include "info/edid/pnp_makers.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace rw {
namespace {

struct Expected {
  const char* file;
  const char* maker_id;
  const char* maker_name;
  int product;
  std::optional<std::string> name;
  int width, height;
  double refresh_hz;
  std::optional<ImageSize> size;
  const char* serial;
  int year;
  int week;
  const char* warning;  // the one warning, or nullptr for none
  Resolution native;
  NativeSource source;
};

constexpr NativeSource kDeclared = NativeSource::Declared;

const Expected kTable[] = {
    {"samsung_syncmaster_2004.bin", "SAM", "Samsung", 226, "SyncMaster", 1280, 1024, 60.020,
     ImageSize{338, 270}, "H4JX506664", 2004, 21, nullptr, {1280, 1024}, kDeclared},
    // EDID 1.3 without the preferred-timing flag: its first timing is the
    // half-size mode, the panel's own is the larger second one.
    {"apple_cinema_hd_2007.bin", "APP", "Apple", 37409, "Cinema HD", 2560, 1600, 59.860,
     ImageSize{641, 401}, "CY7361YPXMP", 2007, 36, nullptr, {2560, 1600}, NativeSource::Guessed},
    {"aoc_519w_analog_2009.bin", "AOC", "AOC", 5401, "519W", 1280, 720, 59.855, ImageSize{340, 270},
     "I5395IA002609", 2009, 21, nullptr, {1280, 720}, kDeclared},
    {"boe_hb133wx1_laptop_2012.bin", "BOE", "BOE", 1503, std::nullopt, 1366, 768, 59.973,
     ImageSize{293, 165}, "", 2012, 1, nullptr, {1366, 768}, kDeclared},
    {"lg_tv_2014.bin", "GSM", "LG Electronics", 1, "LG TV", 1920, 1080, 60.000, ImageSize{1600, 900},
     "16843009", 2014, 1, nullptr, {1920, 1080}, kDeclared},
    // 16 mm x 9 mm and no screen size: only an aspect ratio.
    {"philips_ftv_2015.bin", "PHL", "Philips", 0, "Philips FTV", 3840, 2160, 30.000, std::nullopt, "",
     2015, 0, nullptr, {3840, 2160}, kDeclared},
    {"lg_mp59g_2016.bin", "GSM", "LG Electronics", 23349, "MP59G", 1920, 1080, 74.973,
     ImageSize{480, 270}, "16843009", 2016, 11, nullptr, {1920, 1080}, kDeclared},
    {"dell_d1918h_2018.bin", "DEL", "Dell", 8197, "D1918H", 1366, 768, 59.790, ImageSize{410, 230},
     "2C8FJ8255K5E", 2018, 6, nullptr, {1366, 768}, kDeclared},
    // Its DisplayID section checksum is wrong (the block checksum is right).
    {"csot_mne007za1_displayid_2022.bin", "CSO", "CSOT", 5142, std::nullopt, 2880, 1800, 60.001,
     ImageSize{301, 188}, "", 2022, 0, "DisplayID section checksum is wrong in block 1", {2880, 1800}, kDeclared},
    // EDID 1.4 without the native bit; the DisplayID timing marked preferred
    // is the 3840 x 2160 that one cable carries; the panel is two tiles.
    {"lg_ultrafine_5k_tiled_2020.bin", "GSM", "LG Electronics", 23412, "LG UltraFine", 3840, 2160, 59.999,
     ImageSize{600, 340}, "010MXWEAQ305", 2020, 10, nullptr, {5120, 2880}, kDeclared},
    {"samsung_odyssey_g70nc_eeodb_2022.bin", "SAM", "Samsung", 29459, "Odyssey G70NC", 3840, 2160, 60.000,
     ImageSize{698, 392}, "H1AK500000", 2022, 8, nullptr, {3840, 2160}, kDeclared},
    // The base block's 70 x 39 cm stays, but names no diagonal.
    {"samsung_tv_sizes_disagree_2018.bin", "SAM", "Samsung", 3897, "SAMSUNG", 1920, 1080, 60.000,
     ImageSize{700, 390}, "2048", 2018, 4,
     "image size 1210 x 680 mm of detailed timing 1 in block 0 disagrees with the base block's 700 x 390 mm",
     {1920, 1080}, kDeclared},
};

std::string Sample(const char* name) { return std::string(RW_EDID_SAMPLES) + "/corpus/" + name; }

TEST(EdidTable, EveryRealEdidGivesItsFields) {
  for (const Expected& e : kTable) {
    SCOPED_TRACE(e.file);
    const test::Bytes bytes = test::ReadBytes(Sample(e.file));
    ASSERT_GE(bytes.size(), 128u);
    const Parsed<EdidInfo> parsed = ParseEdid(bytes);
    ASSERT_TRUE(parsed.ok()) << parsed.error().Describe();
    const EdidInfo& info = parsed.value();
    EXPECT_EQ(info.manufacturer_id, e.maker_id);
    EXPECT_EQ(MakerName(info.manufacturer_id), e.maker_name);
    EXPECT_EQ(info.product_code, e.product);
    EXPECT_EQ(info.name, e.name);
    ASSERT_TRUE(info.preferred.has_value());
    EXPECT_EQ(info.preferred->width, e.width);
    EXPECT_EQ(info.preferred->height, e.height);
    EXPECT_NEAR(info.preferred->refresh_hz, e.refresh_hz, 0.0005);
    EXPECT_EQ(info.image_size, e.size);
    EXPECT_EQ(SerialText(info), e.serial);
    EXPECT_EQ(info.year, e.year);
    EXPECT_EQ(info.week, e.week);
    if (e.warning) {
      ASSERT_EQ(info.warnings.size(), 1u);
      EXPECT_EQ(info.warnings[0], e.warning);
    } else {
      EXPECT_TRUE(info.warnings.empty()) << info.warnings.front();
    }
    EXPECT_EQ(info.native, e.native);
    EXPECT_EQ(info.native_source, e.source);
    EXPECT_EQ(info.sizes_disagree, e.warning && std::string(e.warning).find("disagrees") != std::string::npos);
  }
}

TEST(EdidTable, TiledPanel) {
  const EdidInfo lg = ParseEdid(test::ReadBytes(Sample("lg_ultrafine_5k_tiled_2020.bin"))).value();
  ASSERT_TRUE(lg.tiles);
  EXPECT_EQ(*lg.tiles, (EdidTiles{2, 1, 0, 0, {2560, 2880}}));
  // Five timings: two in block 0, two in the first DisplayID block, the
  // tile's own in the second.
  ASSERT_EQ(lg.timings.size(), 5u);
  EXPECT_EQ(lg.timings[4].width, 2560);
  EXPECT_EQ(lg.timings[4].block, 2);
  // 5120 x 2880 on 600 x 340 mm: 27.15 inches, 216.36 pixels per inch.
  EXPECT_NEAR(*PanelDiagonalInches(lg), 27.15, 0.01);
  EXPECT_NEAR(*PanelPixelDensity(lg), 216.36, 0.01);
}

TEST(EdidTable, ExtensionCountFromHfEeodb) {
  // Byte 126 says one extension; the HF-EEODB of block 1 says three, and
  // three are there: the second CTA-861 block's timing is read.
  const EdidInfo g70 = ParseEdid(test::ReadBytes(Sample("samsung_odyssey_g70nc_eeodb_2022.bin"))).value();
  EXPECT_EQ(g70.extension_blocks, 3);
  ASSERT_EQ(g70.timings.size(), 3u);
  EXPECT_EQ(g70.timings[2].block, 3);
  EXPECT_EQ(g70.timings[2].width, 2560);
}

TEST(EdidTable, SizesThatDisagreeGiveNoDiagonal) {
  const EdidInfo tv = ParseEdid(test::ReadBytes(Sample("samsung_tv_sizes_disagree_2018.bin"))).value();
  EXPECT_TRUE(tv.sizes_disagree);
  EXPECT_EQ(tv.preferred->image_size, (ImageSize{1210, 680}));
  EXPECT_FALSE(PanelDiagonalInches(tv));
  EXPECT_FALSE(PanelPixelDensity(tv));
}

TEST(EdidTable, ExtensionTimingsAreRead) {
  const EdidInfo dell = ParseEdid(test::ReadBytes(Sample("dell_d1918h_2018.bin"))).value();
  EXPECT_EQ(dell.extension_blocks, 1);
  ASSERT_EQ(dell.timings.size(), 6u);  // one in block 0, five in the CTA-861 block
  EXPECT_EQ(dell.timings[1].source, TimingSource::CtaExtension);
  EXPECT_EQ(dell.timings[1].width, 1920);
  EXPECT_EQ(dell.timings[5].height, 576);

  // The DisplayID type I timing holds the panel's 120 Hz mode.
  const EdidInfo csot = ParseEdid(test::ReadBytes(Sample("csot_mne007za1_displayid_2022.bin"))).value();
  ASSERT_EQ(csot.timings.size(), 2u);
  const EdidTiming& fast = csot.timings[1];
  EXPECT_EQ(fast.source, TimingSource::DisplayIdTypeI);
  EXPECT_EQ(fast.width, 2880);
  EXPECT_EQ(fast.height, 1800);
  EXPECT_EQ(fast.pixel_clock_khz, 695310);
  EXPECT_NEAR(fast.refresh_hz, 120.000207, 1e-5);
  EXPECT_FALSE(fast.marked_preferred);

  const EdidInfo lg = ParseEdid(test::ReadBytes(Sample("lg_tv_2014.bin"))).value();
  ASSERT_EQ(lg.timings.size(), 5u);
  EXPECT_TRUE(lg.timings[3].interlaced);  // 1920x1080i
  EXPECT_EQ(lg.timings[3].height, 1080);
  ASSERT_TRUE(lg.range_limits.has_value());
  EXPECT_EQ(lg.range_limits->min_vertical_hz, 58);
  EXPECT_EQ(lg.range_limits->max_vertical_hz, 62);
  EXPECT_EQ(lg.range_limits->max_horizontal_khz, 83);
  EXPECT_EQ(lg.range_limits->max_pixel_clock_mhz, 160);
}

TEST(EdidTable, LaptopPanelsKeepTheirStrings) {
  const EdidInfo boe = ParseEdid(test::ReadBytes(Sample("boe_hb133wx1_laptop_2012.bin"))).value();
  EXPECT_EQ(boe.data_strings, (std::vector<std::string>{"BOE HF", "HB133WX1-402"}));
  EXPECT_EQ(boe.timings.size(), 2u);
}

}  // namespace
}  // namespace rw
