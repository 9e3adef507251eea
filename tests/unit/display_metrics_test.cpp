#include "info/display_metrics.h"
#include "platform/display/desktops.h"
#include "state/globals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rw {
namespace {

struct RatioCase {
  std::int64_t width;
  std::int64_t height;
  const char16_t* ratio;
};

TEST(BuildRatioText, ReducesExactly) {
  const RatioCase cases[] = {
      {1920, 1080, u"16:9"}, {1280, 1024, u"5:4"}, {1366, 768, u"683:384"}, {1440, 900, u"8:5"},
      {2560, 1080, u"64:27"}, {1024, 1024, u"1:1"}, {1024, 768, u"4:3"},   {3840, 2160, u"16:9"},
      {1, 1, u"1:1"},         {7, 5, u"7:5"},       {1, 65535, u"1:65535"},
  };
  for (const RatioCase& c : cases) {
    BuildRatioText(c.width, c.height);
    EXPECT_EQ(RatioText, QString::fromUtf16(c.ratio)) << c.width << "x" << c.height;
  }
}

TEST(BuildRatioText, NonPositiveSizesGiveAMarkerNotAFault) {
  for (auto [w, h] : {std::pair{0, 1080}, {1920, 0}, {0, 0}, {-1920, 1080}, {1920, -1080}}) {
    BuildRatioText(w, h);
    EXPECT_EQ(RatioText, u"?:?") << w << "x" << h;
  }
}

class ReadDisplayMetricsTest : public ::testing::Test {
 protected:
  void SetUp() override { InitialiseGlobals(); }
  void TearDown() override { SetDesktopSource({}); }

  static void UseDesktops(std::vector<DesktopRecord> records) {
    SetDesktopSource([records] { return records; });
  }
  static DesktopRecord Desktop(std::int32_t w, std::int32_t h, std::int32_t depth) {
    DesktopRecord r;
    r.width = w;
    r.height = h;
    r.depth = depth;
    return r;
  }
};

TEST_F(ReadDisplayMetricsTest, FullHdAt32Bits) {
  UseDesktops({Desktop(1920, 1080, 32)});
  ReadDisplayMetrics();
  EXPECT_EQ(MetricsText, u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit");
  EXPECT_EQ(RatioText, u"16:9");
  EXPECT_EQ(ScreenWidth, 1914);
  EXPECT_EQ(ScreenHeight, 1014);
}

TEST_F(ReadDisplayMetricsTest, OnlyThePrimaryRecordCounts) {
  UseDesktops({Desktop(1280, 1024, 16), Desktop(3840, 2160, 32)});
  ReadDisplayMetrics();
  EXPECT_EQ(MetricsText, u"1280*1024, Ratio: 5:4, Farbtiefe:16 Bit");
  EXPECT_EQ(ScreenWidth, 1274);
  EXPECT_EQ(ScreenHeight, 958);
}

TEST_F(ReadDisplayMetricsTest, ZeroWidthStillGivesAText) {
  UseDesktops({Desktop(0, 768, 32)});
  ReadDisplayMetrics();
  EXPECT_EQ(MetricsText, u"0*768, Ratio: ?:?, Farbtiefe:32 Bit");
  EXPECT_EQ(ScreenWidth, -6);
}

TEST(DesktopService, IndexOutsideTheScanReadsZero) {
  DesktopRecord a;
  a.width = 800;
  a.height = 600;
  a.depth = 24;
  SetDesktopSource([a] { return std::vector<DesktopRecord>{a}; });
  EXPECT_EQ(ScanDesktops(), 1);
  EXPECT_EQ(DesktopWidth(0), 800);
  EXPECT_EQ(DesktopHeight(0), 600);
  EXPECT_EQ(DesktopDepth(0), 24);
  for (std::int64_t i : {-1, 1, 2, 1000}) {
    EXPECT_EQ(DesktopWidth(i), 0);
    EXPECT_EQ(DesktopHeight(i), 0);
    EXPECT_EQ(DesktopDepth(i), 0);
  }
  // A new scan throws the old records away.
  SetDesktopSource([] { return std::vector<DesktopRecord>{}; });
  EXPECT_EQ(ScanDesktops(), 0);
  EXPECT_EQ(DesktopWidth(0), 0);
  SetDesktopSource({});
}

}  // namespace
}  // namespace rw
