#include "platform/base/output_scale.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

struct Output {
  const char* what;
  std::int64_t mode_w, mode_h, logical_w, logical_h, integer_scale;
  DeviceScale surface, layout;
  bool exact;
};

// What the compositors here announce at the scales they offer.
TEST(ScaleOfOutput, ReadsEachCompositorAsItMeansIt) {
  const Output outputs[] = {
      {"no scaling", 1920, 1080, 1920, 1080, 1, {1, 1}, {1, 1}, true},
      {"mutter integer 2", 1920, 1080, 1920, 1080, 2, {2, 1}, {1, 1}, true},
      {"mutter integer 3", 3840, 2160, 3840, 2160, 3, {3, 1}, {1, 1}, true},
      {"no xdg-output", 1920, 1080, 0, 0, 2, {2, 1}, {1, 1}, true},
      {"sway or mutter 1.25", 1920, 1080, 1536, 864, 2, {5, 4}, {5, 4}, true},
      {"1.5", 1920, 1080, 1280, 720, 2, {3, 2}, {3, 2}, true},
      {"fractional 2", 1920, 1080, 960, 540, 2, {2, 1}, {2, 1}, true},
      {"sway 3", 1920, 1080, 640, 360, 3, {3, 1}, {3, 1}, true},
      {"1680x1050 at 1.75", 1680, 1050, 960, 600, 2, {7, 4}, {7, 4}, true},
      {"mutter 175 % is 1920 / 1104", 1920, 1080, 1104, 621, 2, {40, 23}, {40, 23}, true},
      {"turned 1.25", 1080, 1920, 864, 1536, 2, {5, 4}, {5, 4}, true},
      {"1920x1080 at 1.75 cut", 1920, 1080, 1097, 617, 2, {7, 4}, {7, 4}, false},
      {"1366x768 at 1.25 cut", 1366, 768, 1092, 614, 2, {5, 4}, {5, 4}, false},
      {"1366x768 at 1.25 rounded", 1366, 768, 1093, 614, 2, {5, 4}, {5, 4}, false},
      // 985 x 788 is 1280 x 1024 both at 1.3 and at exactly 256 / 197: the
      // sizes do not say which, so no exactness is claimed.
      {"1280x1024 at 1.3", 1280, 1024, 985, 788, 2, {13, 10}, {13, 10}, false},
  };
  for (const Output& o : outputs) {
    const OutputScale scale = ScaleOfOutput(o.mode_w, o.mode_h, o.logical_w, o.logical_h, o.integer_scale);
    EXPECT_EQ(scale.surface, o.surface) << o.what << ": " << scale.surface.numerator << "/" << scale.surface.denominator;
    EXPECT_EQ(scale.layout, o.layout) << o.what;
    EXPECT_EQ(scale.exact, o.exact) << o.what;
    // Only mutter's own ratio is off the 1/120 grid.
    EXPECT_EQ(scale.off_grid, o.surface.denominator == 23) << o.what;
  }
}

TEST(ScaleOfOutput, SizesThatAreNoSizesGiveTheWholeNumberScale) {
  for (auto [w, h, lw, lh, s] : {std::tuple{0, 1080, 1920, 1080, 1}, {1920, -5, 960, 540, 2}, {1920, 1080, 0, 540, 2},
                                  {1 << 30, 1080, 960, 540, 1}, {1920, 1080, 960, 540, 0}, {1920, 1080, 960, 540, -3}}) {
    const OutputScale scale = ScaleOfOutput(w, h, lw, lh, s);
    EXPECT_GE(scale.surface.numerator, 1);
    EXPECT_GE(scale.surface.denominator, 1);
    EXPECT_GE(scale.layout.numerator, 1);
  }
  EXPECT_EQ(ScaleOfOutput(1920, 1080, 0, 0, 0).surface, (DeviceScale{1, 1}));
  EXPECT_EQ(ScaleOfOutput(1920, 1080, 0, 0, 1000).surface, (DeviceScale{1, 1}));
}

// A fractional scale read exactly covers the mode with whole logical units.
TEST(ScaleOfOutput, AnExactScaleMapsTheLogicalSizeOntoTheMode) {
  for (std::int64_t logical_w = 640; logical_w < 1920; ++logical_w) {
    const std::int64_t logical_h = logical_w * 9 / 16;
    if (logical_w * 9 % 16) continue;
    const OutputScale scale = ScaleOfOutput(1920, 1080, logical_w, logical_h, 2);
    if (!scale.exact) continue;
    EXPECT_EQ(DeviceSpan(logical_w, scale.surface), 1920) << logical_w;
    EXPECT_EQ(DeviceSpan(logical_h, scale.surface), 1080) << logical_w;
    EXPECT_EQ(logical_w * scale.surface.numerator % scale.surface.denominator, 0) << logical_w;
  }
}

}  // namespace
}  // namespace rw
