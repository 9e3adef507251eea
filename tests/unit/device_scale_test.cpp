#include "platform/base/device_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rw {
namespace {

TEST(ScaleFromSizes, SnapsToTheCompositorsStepsOf120ths) {
  struct Case {
    std::int64_t device, logical, numerator, denominator;
  } const cases[] = {
      {1920, 1920, 1, 1}, {1920, 960, 2, 1},   {1920, 640, 3, 1},   {1920, 1536, 5, 4},
      {1920, 1280, 3, 2}, {1920, 1097, 7, 4},  // 1097 is 1920 / 1.75 cut to whole units
      {2560, 1706, 3, 2},                       // 1706.67 cut
      {1366, 1092, 5, 4}, {3840, 2880, 4, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleFromSizes(c.device, c.logical), (DeviceScale{c.numerator, c.denominator}))
        << c.device << " on " << c.logical;
  }
}

TEST(ScaleFromSizes, SizesThatAreNoSizesGiveOne) {
  for (auto [device, logical] : {std::pair{0, 1920}, {1920, 0}, {-1920, 1280}, {1920, -1}, {1, 1 << 30}}) {
    const DeviceScale scale = ScaleFromSizes(device, logical);
    EXPECT_GE(scale.numerator, 1);
    EXPECT_GE(scale.denominator, 1);
    if (device <= 0 || logical <= 0) {
      EXPECT_TRUE(scale.IsOne());
    }
  }
}

// The span must cover the picture, be a whole number of device pixels, and
// be the smallest that does: a compositor rounding positions then maps it
// onto exactly DeviceSpan pixels at any position.
TEST(LogicalSpan, SmallestWholeDeviceSpanThatCoversThePicture) {
  const DeviceScale scales[] = {{1, 1}, {5, 4}, {3, 2}, {7, 4}, {2, 1}, {3, 1}, {4, 3}, {121, 120}};
  for (const DeviceScale& scale : scales) {
    for (std::int64_t device = 1; device <= 4000; ++device) {
      const std::int64_t logical = LogicalSpan(device, scale);
      const std::int64_t covered = DeviceSpan(logical, scale);
      ASSERT_EQ(logical * scale.numerator % scale.denominator, 0) << device << " at " << scale.Value();
      ASSERT_GE(covered, device) << device << " at " << scale.Value();
      const std::int64_t smaller = logical - scale.denominator;
      ASSERT_TRUE(smaller <= 0 || DeviceSpan(smaller, scale) < device) << device << " at " << scale.Value();
      for (std::int64_t position = 0; position < 8; ++position) {
        const double s = scale.Value();
        const auto rounded = [](double v) { return static_cast<std::int64_t>(std::floor(v + 0.5)); };
        ASSERT_EQ(rounded((position + logical) * s) - rounded(position * s), covered)
            << device << " at " << s << " from " << position;
      }
    }
  }
}

TEST(LogicalSpan, TheDesktopsThatMatter) {
  EXPECT_EQ(LogicalSpan(1914, {3, 2}), 1276);
  EXPECT_EQ(LogicalSpan(1914, {5, 4}), 1532);  // 1915 device pixels: one padding column
  EXPECT_EQ(LogicalSpan(1014, {2, 1}), 507);
  EXPECT_EQ(LogicalSpan(1014, {3, 1}), 338);
  EXPECT_EQ(LogicalSpan(0, {3, 2}), 0);
}

TEST(RoundedLogical, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(RoundedLogical(11, {3, 2}), 7);    // 7.33
  EXPECT_EQ(RoundedLogical(3, {2, 1}), 2);     // 1.5
  EXPECT_EQ(RoundedLogical(-3, {2, 1}), -2);   // -1.5
  EXPECT_EQ(RoundedLogical(440, {5, 4}), 352);
  EXPECT_EQ(RoundedLogical(380, {1, 1}), 380);
}

}  // namespace
}  // namespace rw
