#include "app/monitor_list.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

std::vector<std::uint8_t> Sample(const char* name) {
  return test::ReadBytes(std::string(RW_EDID_SAMPLES) + "/corpus/" + name);
}

ScreenReport Screen(const char* connector, bool primary, int x) {
  ScreenReport s;
  s.identity.connector = connector;
  s.primary = primary;
  s.x = x;
  s.width = 1920;
  s.height = 1080;
  return s;
}

TEST(MonitorList, PrimaryFirstAndEdidsFromWhereTheyAre) {
  std::vector<DrmConnector> drm(2);
  drm[0] = {"card0-DP-1", "DP-1", true, true, Sample("dell_d1918h_2018.bin")};
  drm[1] = {"card0-HDMI-A-1", "HDMI-A-1", true, true, Sample("lg_tv_2014.bin")};
  std::vector<ScreenReport> screens = {Screen("DP-1", false, 0), Screen("HDMI-A-1", false, 1920),
                                       Screen("DP-2", true, 3840), Screen("VGA-1", false, 5760)};
  screens[2].edid = Sample("samsung_syncmaster_2004.bin");  // the window system's own copy
  screens[1].edid = {0x00, 0xFF};                          // unreadable: the kernel's steps in
  const std::vector<MonitorRecord> list = MonitorRecordsFrom(screens, drm);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].connector, "DP-2");
  EXPECT_TRUE(list[0].primary);
  EXPECT_EQ(list[0].x, 3840);
  ASSERT_TRUE(list[0].edid);
  EXPECT_EQ(list[0].edid->manufacturer_id, "SAM");
  EXPECT_EQ(list[1].connector, "DP-1");
  EXPECT_EQ(list[1].edid->manufacturer_id, "DEL");
  EXPECT_EQ(list[2].connector, "HDMI-A-1");
  EXPECT_EQ(list[2].edid->name, "LG TV");
  // The bytes each EDID was read from, for the check's report.
  EXPECT_EQ(list[0].edid_bytes, screens[2].edid);
  EXPECT_EQ(list[1].edid_bytes, drm[0].edid);
  EXPECT_EQ(list[2].edid_bytes, drm[1].edid);
  EXPECT_EQ(list[3].connector, "VGA-1");
  EXPECT_FALSE(list[3].edid);
  EXPECT_TRUE(list[3].edid_bytes.empty());
  EXPECT_FALSE(RunsNative(list[3]).has_value());
}

TEST(MonitorList, WithoutAMarkedPrimaryTheFirstIsPrimary) {
  const std::vector<MonitorRecord> list =
      MonitorRecordsFrom({Screen("DP-1", false, 0), Screen("DP-2", false, 1920)}, {});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].connector, "DP-1");
  EXPECT_TRUE(list[0].primary);
  EXPECT_FALSE(list[1].primary);
  EXPECT_TRUE(MonitorRecordsFrom({}, {}).empty());
}

}  // namespace
}  // namespace rw
