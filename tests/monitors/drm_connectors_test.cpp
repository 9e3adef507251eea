#include "info/edid/drm_connectors.h"
#include "info/edid/monitor_edid_match.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace rw {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Sample(const char* name) {
  return test::ReadBytes(std::string(RW_EDID_SAMPLES) + "/corpus/" + name);
}

// A folder laid out like /sys/class/drm, removed at the end.
class FakeDrm : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("rw-drm-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void Connector(const std::string& folder, const char* status, const std::vector<std::uint8_t>& edid,
                 const char* enabled = "enabled") {
    fs::create_directories(root_ / folder);
    std::ofstream(root_ / folder / "status") << status << "\n";
    std::ofstream(root_ / folder / "enabled") << enabled << "\n";
    test::WriteBytes((root_ / folder / "edid").string(), edid);
  }

  fs::path root_;
};

TEST_F(FakeDrm, ReadsConnectorFolders) {
  Connector("card0-HDMI-A-1", "connected", Sample("dell_d1918h_2018.bin"));
  Connector("card0-DP-1", "disconnected", {}, "disabled");
  Connector("card1-eDP-1", "connected", Sample("boe_hb133wx1_laptop_2012.bin"));
  fs::create_directories(root_ / "card0");        // the card itself
  fs::create_directories(root_ / "renderD128");  // not a connector
  std::ofstream(root_ / "version") << "drm 1.1.0\n";
  const std::vector<DrmConnector> list = ReadDrmConnectors(root_.string());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].folder, "card0-DP-1");
  EXPECT_EQ(list[0].name, "DP-1");
  EXPECT_FALSE(list[0].connected);
  EXPECT_FALSE(list[0].enabled);
  EXPECT_TRUE(list[0].edid.empty());
  EXPECT_EQ(list[1].name, "HDMI-A-1");
  EXPECT_TRUE(list[1].connected);
  EXPECT_TRUE(list[1].enabled);
  EXPECT_EQ(list[1].edid, Sample("dell_d1918h_2018.bin"));
  EXPECT_EQ(list[2].name, "eDP-1");
}

TEST_F(FakeDrm, MissingFolderGivesNothing) {
  EXPECT_TRUE(ReadDrmConnectors((root_ / "nowhere").string()).empty());
  fs::create_directories(root_ / "card0-DP-9");  // no files in it
  const auto list = ReadDrmConnectors(root_.string());
  ASSERT_EQ(list.size(), 1u);
  EXPECT_FALSE(list[0].connected);
}

TEST_F(FakeDrm, EnvironmentChoosesTheFolder) {
  ::setenv("RASTERWACHT_DRM_DIR", root_.c_str(), 1);
  EXPECT_EQ(DrmFolder(), root_.string());
  ::setenv("RASTERWACHT_DRM_DIR", "", 1);
  EXPECT_EQ(DrmFolder(), "/sys/class/drm");
  ::unsetenv("RASTERWACHT_DRM_DIR");
  EXPECT_EQ(DrmFolder(), "/sys/class/drm");
}

TEST(MonitorEdidMatch, ByNameThenByMakerModelSerial) {
  std::vector<DrmConnector> list(3);
  list[0] = {"card0-DP-1", "DP-1", true, true, Sample("dell_d1918h_2018.bin")};
  list[1] = {"card0-DP-2", "DP-2", true, true, Sample("samsung_syncmaster_2004.bin")};
  list[2] = {"card0-DP-3", "DP-3", false, false, Sample("lg_tv_2014.bin")};
  EXPECT_EQ(MatchDrmConnector(list, {"DP-2", "", "", ""}), 1);
  // Disconnected connectors and unknown names match nothing by name.
  EXPECT_EQ(MatchDrmConnector(list, {"DP-3", "", "", ""}), -1);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-0", "", "", ""}), -1);
  // X11 drivers that name outputs their own way: maker and model or serial.
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-0", "Dell Inc.", "D1918H", ""}), 0);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-1", "SAM", "", "H4JX506664"}), 1);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-1", "Samsung Electric Company", "226", ""}), 1);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-1", "SAM", "00e2", ""}), 1);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-1", "SAM", "SyncMaster", "wrong"}), -1);
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-1", "Dell", "", ""}), -1);  // maker alone is not enough
  EXPECT_EQ(MatchDrmConnector(list, {"HDMI-0", "LG Electronics", "LG TV", ""}), -1);  // disconnected
  // Two monitors alike: no telling which is which.
  list[1] = list[0];
  list[1].name = "DP-2";
  EXPECT_EQ(MatchDrmConnector(list, {"DisplayPort-0", "DEL", "D1918H", ""}), -1);
}

}  // namespace
}  // namespace rw
