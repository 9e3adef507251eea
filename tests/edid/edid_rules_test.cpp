// The parser's rules on EDIDs built for one case each.

#include "info/edid/edid_parse.h"
#include "info/edid/pnp_makers.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Bytes;

EdidInfo Parse(const Bytes& bytes) {
  const Parsed<EdidInfo> parsed = ParseEdid(bytes);
  EXPECT_TRUE(parsed.ok()) << parsed.error().Describe();
  return parsed.ok() ? parsed.value() : EdidInfo{};
}

TEST(EdidRules, BaseBlockFields) {
  const EdidInfo info = Parse(test::BaseBlock());
  EXPECT_EQ(info.version, 1);
  EXPECT_EQ(info.revision, 4);
  EXPECT_EQ(info.manufacturer_id, "DEL");
  EXPECT_EQ(info.product_code, 0x4242);
  EXPECT_EQ(info.serial_number, 123456u);
  EXPECT_EQ(info.serial_text, "SN-0001");
  EXPECT_EQ(info.name, "TEST MONITOR");
  EXPECT_EQ(info.week, 10);
  EXPECT_EQ(info.year, 2020);
  EXPECT_EQ(info.screen_size, (ImageSize{530, 300}));
  EXPECT_EQ(info.image_size, (ImageSize{527, 296}));
  ASSERT_TRUE(info.range_limits);
  EXPECT_EQ(info.range_limits->min_vertical_hz, 48);
  EXPECT_EQ(info.range_limits->max_vertical_hz, 75);
  EXPECT_EQ(info.range_limits->max_pixel_clock_mhz, 170);
  EXPECT_TRUE(info.warnings.empty());
}

TEST(EdidRules, ModelYearAndSerialWithoutDescriptor) {
  Bytes b = test::BaseBlock();
  b[16] = 0xFF;
  b[17] = 33;
  test::SetDescriptor(b, 1, test::TextDescriptor(0x10, ""));  // a dummy descriptor
  test::FixChecksums(b);
  const EdidInfo info = Parse(b);
  EXPECT_TRUE(info.model_year);
  EXPECT_EQ(info.week, 0);
  EXPECT_EQ(info.year, 2023);
  EXPECT_EQ(SerialText(info), "123456");
}

TEST(EdidRules, SizesThatNameOnlyAnAspectRatioAreUnknown) {
  Bytes b = test::BaseBlock();
  test::SetDescriptor(b, 0, test::DetailedTiming(1920, 1080, 280, 45, 14850, 16, 9));
  test::FixChecksums(b);
  EdidInfo info = Parse(b);
  ASSERT_TRUE(info.preferred);
  EXPECT_FALSE(info.preferred->image_size);
  EXPECT_EQ(info.image_size, (ImageSize{530, 300}));  // the screen size steps in

  b[21] = 0;  // EDID 1.4: a zero side makes the other an aspect ratio
  b[22] = 0x4F;
  test::FixChecksums(b);
  info = Parse(b);
  EXPECT_FALSE(info.screen_size);
  EXPECT_FALSE(info.image_size);

  test::SetDescriptor(b, 0, test::DetailedTiming(1920, 1080, 280, 45, 14850, 16, 10));
  b[21] = 1;  // 1 cm x 1 cm
  b[22] = 1;
  test::FixChecksums(b);
  EXPECT_FALSE(Parse(b).image_size);
}

TEST(EdidRules, BadChecksumsWarnButFieldsStay) {
  Bytes b = test::BaseBlock();
  b[127] ^= 0x01;
  EdidInfo info = Parse(b);
  ASSERT_EQ(info.warnings.size(), 1u);
  EXPECT_EQ(info.warnings[0], "checksum of block 0 is wrong");
  EXPECT_EQ(info.name, "TEST MONITOR");
  ASSERT_TRUE(info.preferred);
  EXPECT_EQ(info.preferred->width, 1920);

  b = test::BaseBlock();
  test::AppendBlock(b, test::DisplayIdBlock({test::DisplayIdTiming(3840, 2160, 160, 62, 53328, true)}, false));
  b[255] ^= 0x01;
  info = Parse(b);
  ASSERT_EQ(info.warnings.size(), 1u);
  EXPECT_EQ(info.warnings[0], "checksum of block 1 is wrong");
  EXPECT_EQ(info.preferred->width, 3840);
}

TEST(EdidRules, MarkedDisplayIdTimingIsPreferred) {
  for (const bool type_vii : {false, true}) {
    SCOPED_TRACE(type_vii ? "type VII" : "type I");
    Bytes b = test::BaseBlock();
    // 7680x4320 at 60 Hz: 2.4 GHz, beyond any 18-byte descriptor.
    const int units = type_vii ? 10 : 1;  // type VII counts kHz, type I 10 kHz
    test::AppendBlock(b, test::DisplayIdBlock({test::DisplayIdTiming(3840, 2160, 160, 62, 53328 * units, false),
                                               test::DisplayIdTiming(7680, 4320, 160, 139, 241529 * units, true)},
                                              type_vii));
    const EdidInfo info = Parse(b);
    EXPECT_TRUE(info.warnings.empty());
    ASSERT_EQ(info.timings.size(), 3u);
    EXPECT_EQ(info.timings[2].source, type_vii ? TimingSource::DisplayIdTypeVII : TimingSource::DisplayIdTypeI);
    EXPECT_EQ(info.timings[1].width, 3840);
    ASSERT_TRUE(info.preferred);
    EXPECT_EQ(info.preferred->width, 7680);
    EXPECT_EQ(info.preferred->height, 4320);
    EXPECT_EQ(info.preferred->pixel_clock_khz, 2415290);
    EXPECT_NEAR(info.preferred->refresh_hz, 2415290e3 / (7840.0 * 4459.0), 1e-9);
    // The base block's timing keeps the size.
    EXPECT_EQ(info.image_size, (ImageSize{527, 296}));
  }
}

TEST(EdidRules, WithoutAnyPreferenceTheLargestTimingIsThePanels) {
  Bytes b = test::BaseBlock();
  b[19] = 3;     // EDID 1.3
  b[24] = 0x08;  // without the preferred-timing bit
  test::SetDescriptor(b, 0, test::DetailedTiming(1280, 720, 370, 30, 7425, 527, 296));
  test::SetDescriptor(b, 1, test::DetailedTiming(1920, 1080, 280, 45, 14850, 527, 296));
  test::FixChecksums(b);
  EXPECT_EQ(Parse(b).preferred->width, 1920);

  b[24] = 0x0A;  // with it, the first timing is preferred although smaller
  test::FixChecksums(b);
  EXPECT_EQ(Parse(b).preferred->width, 1280);

  // A CTA-861 timing counts when the base block has none.
  b = test::BaseBlock();
  test::SetDescriptor(b, 0, test::TextDescriptor(0xFE, "no timing"));
  test::AppendBlock(b, test::CtaBlock({test::DetailedTiming(1280, 720, 370, 30, 7425, 0, 0),
                                       test::DetailedTiming(1920, 1080, 280, 45, 14850, 0, 0)}));
  const EdidInfo info = Parse(b);
  ASSERT_TRUE(info.preferred);
  EXPECT_EQ(info.preferred->source, TimingSource::CtaExtension);
  EXPECT_EQ(info.preferred->width, 1920);
}

TEST(EdidRules, NoTimingAtAllLeavesNoPreferred) {
  Bytes b = test::BaseBlock();
  test::SetDescriptor(b, 0, test::TextDescriptor(0xFE, "no timing"));
  test::FixChecksums(b);
  const EdidInfo info = Parse(b);
  EXPECT_TRUE(info.timings.empty());
  EXPECT_FALSE(info.preferred);
}

TEST(EdidRules, RangeLimitOffsets) {
  Bytes b = test::BaseBlock();
  b[0x36 + 3 * 18 + 4] = 0x03;  // +255 on both vertical rates
  test::FixChecksums(b);
  EdidInfo info = Parse(b);
  EXPECT_EQ(info.range_limits->min_vertical_hz, 48 + 255);
  EXPECT_EQ(info.range_limits->max_vertical_hz, 75 + 255);
  b[0x36 + 3 * 18 + 4] = 0x05;  // max vertical and max horizontal only
  test::FixChecksums(b);
  info = Parse(b);
  EXPECT_EQ(info.range_limits->min_vertical_hz, 48);
  EXPECT_EQ(info.range_limits->max_vertical_hz, 75 + 255);
  EXPECT_EQ(info.range_limits->max_horizontal_khz, 90 + 255);
  EXPECT_EQ(info.range_limits->min_horizontal_khz, 30);
}

TEST(EdidRules, MakerNames) {
  EXPECT_EQ(MakerName("DEL"), "Dell");
  EXPECT_EQ(MakerName("ACI"), "ASUS");
  EXPECT_EQ(MakerName("XMI"), "Xiaomi");
  EXPECT_EQ(MakerName("ZZZ"), "");
  EXPECT_EQ(MakerName(""), "");
}

TEST(EdidRules, DiagonalInInches) {
  EXPECT_NEAR(DiagonalInches({527, 296}), 23.80, 0.01);
  EXPECT_NEAR(DiagonalInches({641, 401}), 29.77, 0.01);
}

}  // namespace
}  // namespace rw
