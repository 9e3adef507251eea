// The rules for what real monitors send beyond the plain blocks: extension
// counts past block 0, timings that cannot be modes, sizes that are only
// ratios or contradict each other, tiled panels and native formats.

#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rw {
namespace {

using test::Bytes;

EdidInfo Parse(const Bytes& bytes) {
  const Parsed<EdidInfo> parsed = ParseEdid(bytes);
  EXPECT_TRUE(parsed.ok()) << parsed.error().Describe();
  return parsed.ok() ? parsed.value() : EdidInfo{};
}

// Appends a block without counting it in byte 126, as HDMI 2.1 monitors
// do beyond their first extension.
void AppendUncounted(Bytes& edid, const Bytes& block) {
  edid.insert(edid.end(), block.begin(), block.end());
  test::FixChecksums(edid);
}

Bytes Uhd144DisplayId() {
  // 3840 x 2160 at 144 Hz: 1,250,330 kHz over 3920 x 2215.
  return test::DisplayIdBlock({test::DisplayIdTiming(3840, 2160, 80, 55, 125033, true)}, false);
}

TEST(EdidHfEeodb, CountReplacesByte126) {
  Bytes b = test::BaseBlock();
  test::AppendBlock(b, test::CtaBlock({test::HfEeodb(2)}, {}));
  // Without the override the DisplayID block is not announced.
  Bytes plain = b;
  AppendUncounted(plain, Uhd144DisplayId());
  plain[128 + 5] = 0x00;  // another extended data block where the HF-EEODB was
  test::FixChecksums(plain);
  EXPECT_EQ(Parse(plain).extension_blocks, 1);
  EXPECT_EQ(Parse(plain).preferred->width, 1920);

  AppendUncounted(b, Uhd144DisplayId());
  const EdidInfo info = Parse(b);
  EXPECT_TRUE(info.warnings.empty()) << info.warnings.front();
  EXPECT_EQ(info.extension_blocks, 2);
  ASSERT_TRUE(info.preferred);
  EXPECT_EQ(info.preferred->block, 2);
  EXPECT_NEAR(info.preferred->refresh_hz, 1250330e3 / (3920.0 * 2215.0), 1e-9);
}

TEST(EdidHfEeodb, CountLargerThanPresent) {
  Bytes b = test::BaseBlock();
  test::AppendBlock(b, test::CtaBlock({test::HfEeodb(3)}, {}));
  AppendUncounted(b, Uhd144DisplayId());
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.warnings, std::vector<std::string>{"HF-EEODB in block 1 announces 3 extension blocks, 2 present"});
  EXPECT_EQ(info.extension_blocks, 2);
  EXPECT_EQ(info.preferred->width, 3840);
}

TEST(EdidHfEeodb, CountSmallerThanPresent) {
  Bytes b = test::BaseBlock();
  test::AppendBlock(b, test::CtaBlock({test::HfEeodb(2)}, {}));
  AppendUncounted(b, test::DisplayIdBlock({test::DisplayIdTiming(2560, 1440, 80, 40, 24150, false)}, false));
  AppendUncounted(b, Uhd144DisplayId());  // beyond the count: not read
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.warnings, std::vector<std::string>{"HF-EEODB in block 1 announces 2 extension blocks, 3 present"});
  EXPECT_EQ(info.extension_blocks, 2);
  ASSERT_EQ(info.timings.size(), 2u);
  EXPECT_EQ(info.timings[1].width, 2560);
  EXPECT_EQ(info.preferred->width, 1920);
}

TEST(EdidHfEeodb, OnlyAtTheStartOfBlock1AndNeverZero) {
  // Second data block: not an override.
  Bytes b = test::BaseBlock();
  test::AppendBlock(b, test::CtaBlock({test::HdmiVsdb(0), test::HfEeodb(2)}, {}));
  AppendUncounted(b, Uhd144DisplayId());
  EXPECT_EQ(Parse(b).extension_blocks, 1);

  b = test::BaseBlock();
  test::AppendBlock(b, test::CtaBlock({test::HfEeodb(0)}, {}));
  AppendUncounted(b, Uhd144DisplayId());
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.warnings,
            std::vector<std::string>{"HF-EEODB in block 1 announces 0 extension blocks; block 0's count is used"});
  EXPECT_EQ(info.extension_blocks, 1);
}

TEST(EdidTimingChecks, ClockBelow10MHzIsDropped) {
  Bytes b = test::BaseBlock();
  test::SetDescriptor(b, 0, test::DetailedTiming(640, 480, 160, 45, 900, 527, 296));  // 9 MHz
  test::SetDescriptor(b, 1, test::DetailedTiming(1920, 1080, 280, 45, 14850, 527, 296));
  test::FixChecksums(b);
  EdidInfo info = Parse(b);
  EXPECT_EQ(info.warnings,
            std::vector<std::string>{"detailed timing 1 of block 0 dropped: pixel clock 9.000 MHz is below 10 MHz"});
  ASSERT_EQ(info.timings.size(), 1u);
  EXPECT_EQ(info.timings[0].number, 2);
  // The first timing that was to be native is gone: the rest is a guess.
  EXPECT_EQ(info.preferred->width, 1920);
  EXPECT_EQ(info.native_source, NativeSource::Guessed);

  // 10 MHz is the lowest clock kept.
  test::SetDescriptor(b, 0, test::DetailedTiming(320, 200, 80, 20, 1000, 527, 296));
  test::FixChecksums(b);
  info = Parse(b);
  EXPECT_TRUE(info.warnings.empty());
  EXPECT_EQ(info.native_source, NativeSource::Declared);
  EXPECT_EQ(info.native, (Resolution{320, 200}));
}

TEST(EdidTimingChecks, RefreshOutside10To1000HzIsDropped) {
  Bytes b = test::BaseBlock();
  // 3840 x 2160 at 22.8 MHz: 2.3 Hz. A CTA-861 1 x 1 timing at 148.5 MHz:
  // over a hundred thousand frames a second.
  test::SetDescriptor(b, 0, test::DetailedTiming(3840, 2160, 560, 90, 2280, 527, 296));
  test::AppendBlock(b, test::CtaBlock({test::DetailedTiming(1920, 1080, 280, 45, 14850, 527, 296),
                                       test::DetailedTiming(1, 1, 100, 10, 14850, 0, 0)}));
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.warnings,
            (std::vector<std::string>{
                "detailed timing 1 of block 0 dropped: refresh rate 2.303 Hz is outside 10 to 1000 Hz",
                "detailed timing 2 of block 1 dropped: refresh rate 133663.366 Hz is outside 10 to 1000 Hz"}));
  ASSERT_EQ(info.timings.size(), 1u);
  EXPECT_EQ(info.preferred->source, TimingSource::CtaExtension);

  b = test::BaseBlock();
  test::AppendBlock(b, test::DisplayIdBlock({test::DisplayIdTiming(1920, 1080, 280, 45, 14850, false),
                                             test::DisplayIdTiming(7680, 4320, 160, 139, 900, true)},
                                            false));
  const EdidInfo id = Parse(b);
  EXPECT_EQ(id.warnings,
            std::vector<std::string>{"DisplayID timing 2 of block 1 dropped: pixel clock 9.000 MHz is below 10 MHz"});
  EXPECT_EQ(id.preferred->width, 1920);  // the marked one is gone
}

Bytes TelevisionWithRatio(std::uint8_t image_size_field, int timing_width_mm, int timing_height_mm,
                          bool latencies = false) {
  Bytes b = test::BaseBlock();
  b[21] = 144;
  b[22] = 81;
  test::SetDescriptor(b, 0, test::DetailedTiming(3840, 2160, 560, 90, 59400, timing_width_mm, timing_height_mm));
  test::AppendBlock(b, test::CtaBlock({test::HdmiVsdb(image_size_field, latencies)}, {}));
  return b;
}

TEST(EdidSizes, AspectRatioFlagMakesTheBaseSizeARatio) {
  EdidInfo info = Parse(TelevisionWithRatio(0, 1440, 810));
  EXPECT_EQ(info.image_size, (ImageSize{1440, 810}));
  EXPECT_NEAR(*PanelDiagonalInches(info), 65.05, 0.01);

  // The flag: 144 x 81 is a ratio, and so is the timing's 1440 x 810 mm
  // that repeats it.
  info = Parse(TelevisionWithRatio(1, 1440, 810));
  EXPECT_TRUE(info.screen_size_is_ratio);
  EXPECT_FALSE(info.screen_size);
  EXPECT_FALSE(info.image_size);
  EXPECT_FALSE(PanelDiagonalInches(info));
  EXPECT_FALSE(PanelPixelDensity(info));
  EXPECT_TRUE(info.warnings.empty());
  // The field follows the latency fields where they are present.
  EXPECT_TRUE(Parse(TelevisionWithRatio(1, 1440, 810, true)).screen_size_is_ratio);
  EXPECT_FALSE(Parse(TelevisionWithRatio(0, 1440, 810, true)).screen_size_is_ratio);

  // A timing with a size of its own keeps it.
  info = Parse(TelevisionWithRatio(1, 1439, 809));
  EXPECT_EQ(info.image_size, (ImageSize{1439, 809}));
  EXPECT_FALSE(info.sizes_disagree);

  // Image_Size 3: the base block counts in 5 cm, 144 x 81 being 7.2 x 4.05 m.
  info = Parse(TelevisionWithRatio(3, 0, 0));
  EXPECT_EQ(info.screen_size, (ImageSize{7200, 4050}));
  EXPECT_EQ(info.image_size, info.screen_size);
}

TEST(EdidSizes, SizesThatDisagreeBeyondAFactorOneAndAHalf) {
  Bytes b = test::BaseBlock();  // 53 x 30 cm
  test::SetDescriptor(b, 0, test::DetailedTiming(1920, 1080, 280, 45, 14850, 160, 90));
  test::FixChecksums(b);
  EdidInfo info = Parse(b);
  EXPECT_TRUE(info.sizes_disagree);
  EXPECT_EQ(info.image_size, (ImageSize{530, 300}));
  EXPECT_EQ(info.warnings, std::vector<std::string>{"image size 160 x 90 mm of detailed timing 1 in block 0 "
                                                    "disagrees with the base block's 530 x 300 mm"});
  EXPECT_FALSE(PanelDiagonalInches(info));
  EXPECT_FALSE(PanelPixelDensity(info));

  // 1.5 times on both sides still agrees: rounding, bezels.
  test::SetDescriptor(b, 0, test::DetailedTiming(1920, 1080, 280, 45, 14850, 795, 450));
  test::FixChecksums(b);
  info = Parse(b);
  EXPECT_FALSE(info.sizes_disagree);
  EXPECT_EQ(info.image_size, (ImageSize{795, 450}));
  // One side beyond is enough.
  test::SetDescriptor(b, 0, test::DetailedTiming(1920, 1080, 280, 45, 14850, 527, 451));
  test::FixChecksums(b);
  EXPECT_TRUE(Parse(b).sizes_disagree);
}

// Block 0 with one tile's timing, a DisplayID block with the topology.
Bytes TiledPanel(int columns, int rows, int column, int row, int tile_width, int tile_height, bool version_2,
                 int timing_width_mm, int timing_height_mm) {
  Bytes b = test::BaseBlock();
  b[21] = 60;
  b[22] = 34;
  test::SetDescriptor(b, 0, test::DetailedTiming(tile_width, tile_height, 160, 60, 48337, timing_width_mm,
                                                 timing_height_mm));
  test::AppendBlock(b, test::DisplayIdBlockWith({test::TiledTopology(columns, rows, column, row, tile_width,
                                                                     tile_height, version_2)},
                                                version_2));
  return b;
}

TEST(EdidTiles, TwoColumnsMakeTheNativeResolution) {
  for (const bool version_2 : {false, true}) {
    SCOPED_TRACE(version_2 ? "DisplayID 2.0" : "DisplayID 1.3");
    const EdidInfo info = Parse(TiledPanel(2, 1, 1, 0, 2560, 2880, version_2, 597, 336));
    EXPECT_TRUE(info.warnings.empty()) << info.warnings.front();
    ASSERT_TRUE(info.tiles);
    EXPECT_EQ(*info.tiles, (EdidTiles{2, 1, 1, 0, {2560, 2880}}));
    EXPECT_EQ(info.native, (Resolution{5120, 2880}));
    EXPECT_EQ(info.native_source, NativeSource::Declared);
    EXPECT_EQ(info.preferred->width, 2560);  // what this connector prefers
    EXPECT_EQ(info.image_size, (ImageSize{597, 336}));
  }
}

TEST(EdidTiles, TwoRowsAndSizesOfOneTile) {
  // Each timing gives one tile's 597 x 168 mm; the panel is twice as high.
  const EdidInfo info = Parse(TiledPanel(1, 2, 0, 1, 3840, 1080, false, 597, 168));
  ASSERT_TRUE(info.tiles);
  EXPECT_EQ(*info.tiles, (EdidTiles{1, 2, 0, 1, {3840, 1080}}));
  EXPECT_EQ(info.native, (Resolution{3840, 2160}));
  EXPECT_FALSE(info.sizes_disagree);  // 60 x 34 cm is the whole panel
  EXPECT_EQ(info.image_size, (ImageSize{597, 336}));
  EXPECT_NEAR(*PanelPixelDensity(info), std::hypot(3840.0, 2160.0) / (std::hypot(597.0, 336.0) / 25.4), 1e-9);
}

TEST(EdidTiles, CountsAndPlacesBeyondSixteenAndOutside) {
  EdidInfo info = Parse(TiledPanel(20, 18, 17, 16, 1920, 1080, false, 0, 0));
  ASSERT_TRUE(info.tiles);
  EXPECT_EQ(*info.tiles, (EdidTiles{20, 18, 17, 16, {1920, 1080}}));
  EXPECT_EQ(info.native, (Resolution{38400, 19440}));

  info = Parse(TiledPanel(2, 1, 2, 0, 2560, 2880, false, 0, 0));
  EXPECT_FALSE(info.tiles);
  EXPECT_EQ(info.warnings, std::vector<std::string>{"DisplayID tile 2, 0 lies outside its 2 x 1 tiles in block 1"});
}

TEST(EdidNative, Edid14WithoutTheNativeBitDeclaresNone) {
  Bytes b = test::BaseBlock();
  EXPECT_EQ(Parse(b).native_source, NativeSource::Declared);
  b[24] &= ~0x02;
  test::FixChecksums(b);
  const EdidInfo info = Parse(b);
  EXPECT_FALSE(info.native);
  EXPECT_EQ(info.native_source, NativeSource::None);
  ASSERT_TRUE(info.preferred);  // 1.4: the first timing is still preferred
  EXPECT_EQ(info.preferred->width, 1920);
  EXPECT_FALSE(PanelPixelDensity(info));
  EXPECT_TRUE(PanelDiagonalInches(info));
}

TEST(EdidNative, Edid13WithoutThePreferredBitIsAGuess) {
  Bytes b = test::BaseBlock();
  b[19] = 3;
  test::SetDescriptor(b, 0, test::DetailedTiming(1280, 720, 370, 30, 7425, 527, 296));
  test::SetDescriptor(b, 1, test::DetailedTiming(1920, 1080, 280, 45, 14850, 527, 296));
  test::FixChecksums(b);
  EXPECT_EQ(Parse(b).native_source, NativeSource::Declared);
  EXPECT_EQ(Parse(b).native, (Resolution{1280, 720}));
  b[24] &= ~0x02;
  test::FixChecksums(b);
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.native_source, NativeSource::Guessed);
  EXPECT_EQ(info.native, (Resolution{1920, 1080}));
}

TEST(EdidTexts, NamesStopAtTheFirstUnprintableByte) {
  Bytes b = test::BaseBlock();
  test::SetDescriptor(b, 2, test::TextDescriptor(0xFC, "TEST\x01MONITOR"));
  test::SetDescriptor(b, 1, test::TextDescriptor(0xFF, "SN\x7F" "0001"));
  test::FixChecksums(b);
  const EdidInfo info = Parse(b);
  EXPECT_EQ(info.name, "TEST");
  EXPECT_EQ(info.serial_text, "SN");
}

}  // namespace
}  // namespace rw
