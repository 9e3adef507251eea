#include "patterns/colour_circle.h"
#include "patterns/patterns.h"
#include "patterns/wheel_steps.h"
#include "state/globals.h"
#include "tests/patterns/area.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace rw::test {
namespace {

using Components = std::array<std::int64_t, 3>;

Components CircleColour(std::int64_t p) {
  SetCircleColour(p);
  return {ColourRed, ColourGreen, ColourBlue};
}

// A parameter word carrying wheel delta `d` in its high half.
std::int64_t WordWithDelta(int d) { return static_cast<std::int64_t>(static_cast<std::uint16_t>(d)) << 16; }

TEST(ColourCircle, RangeEndsAndNeighbours) {
  EXPECT_EQ(CircleColour(0), (Components{255, 0, 0}));
  EXPECT_EQ(CircleColour(250), (Components{255, 250, 0}));
  EXPECT_EQ(CircleColour(260), (Components{250, 255, 0}));
  EXPECT_EQ(CircleColour(510), (Components{0, 255, 0}));
  EXPECT_EQ(CircleColour(765), (Components{0, 255, 255}));
  EXPECT_EQ(CircleColour(1020), (Components{0, 0, 255}));
  EXPECT_EQ(CircleColour(1275), (Components{255, 0, 255}));
  EXPECT_EQ(CircleColour(1530), (Components{255, 0, 0}));
  EXPECT_EQ(CircleColour(-10), (Components{255, 0, 10}));
  EXPECT_EQ(CircleColour(-1530), (Components{255, 0, 0}));
  for (std::int64_t p = -1530; p <= 0; ++p) ASSERT_EQ(CircleColour(p), CircleColour(p + 1530)) << p;
  for (std::int64_t p = -1530; p < 1530; ++p) {
    const Components a = CircleColour(p);
    const Components b = CircleColour(p + 1);
    int changed = 0;
    for (int k = 0; k < 3; ++k) {
      ASSERT_LE(std::llabs(a[k] - b[k]), 1) << p;
      ASSERT_TRUE(a[k] >= 0 && a[k] <= 255) << p;
      changed += a[k] != b[k];
    }
    ASSERT_EQ(changed, 1) << p;
  }
}

TEST(WheelSteps, NotchesOfTheHighHalf) {
  EXPECT_EQ(WheelStepsOf(WordWithDelta(120)), -1);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(-120)), 1);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(360)), -3);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(200)), -1);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(119)), 0);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(-119)), 0);
  EXPECT_EQ(WheelStepsOf(WordWithDelta(-32768)), 273);
  EXPECT_EQ(WheelStepsOf(0xFFFF), 0);  // the low half does not count
  SetEventWordSource({});
  EXPECT_EQ(WheelSteps(), 0);
}

struct WheelCase {
  std::int64_t start;
  int delta;
  std::int64_t position;
  Components colour;
};

TEST(MonochromeArea, WheelMovesTheColourAndFillsTheArea) {
  const WheelCase cases[] = {
      {0, 0, 0, {255, 0, 0}},         {0, -120, 10, {255, 10, 0}},  {0, 120, -10, {255, 0, 10}},
      {0, 360, -30, {255, 0, 30}},    {0, 100, 0, {255, 0, 0}},     {0, 200, -10, {255, 0, 10}},
      {1530, 0, 1530, {255, 0, 0}},   {1530, -120, 0, {255, 0, 0}}, {-1530, 120, 0, {255, 0, 0}},
      {1520, -120, 1530, {255, 0, 0}}, {500, 0, 500, {10, 255, 0}},
  };
  for (const WheelCase& c : cases) {
    MakeArea(9, 4);
    WheelPosition = c.start;
    SetEventWordSource([d = c.delta] { return WordWithDelta(d); });
    const QImage image = PaintOnArea(DrawMonochromeArea, Direct::Yes);
    EXPECT_EQ(WheelPosition, c.position) << c.start << " " << c.delta;
    EXPECT_EQ((Components{ColourRed, ColourGreen, ColourBlue}), c.colour) << c.start << " " << c.delta;
    EXPECT_EQ(CountOther(image, 0, 0, 9, 4, Rgb(c.colour[0], c.colour[1], c.colour[2])), 0);
  }
  SetEventWordSource({});
}

}  // namespace
}  // namespace rw::test
