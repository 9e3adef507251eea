#include "app/monitor_report.h"
#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace rw {
namespace {

EdidInfo SampleEdid(const char* name) {
  return ParseEdid(test::ReadBytes(std::string(RW_EDID_SAMPLES) + "/corpus/" + name)).value();
}

MonitorRecord Dell(int width, int height) {
  MonitorRecord m;
  m.connector = "DP-1";
  m.primary = true;
  m.x = 0;
  m.y = 0;
  m.width = width;
  m.height = height;
  m.refresh_hz = 59.79;
  m.depth = 32;
  m.scale = 1.5;
  m.edid = SampleEdid("dell_d1918h_2018.bin");
  return m;
}

TEST(MonitorReport, NativeVerdicts) {
  EXPECT_EQ(NativeVerdict(Dell(1366, 768)), "native");
  EXPECT_EQ(NativeVerdict(Dell(768, 1366)), "native");  // turned to portrait
  EXPECT_EQ(NativeVerdict(Dell(1280, 720)),
            "not native: the desktop runs 1280 x 720 on a 1366 x 768 panel; line gratings will show "
            "scaling, not the monitor");
  MonitorRecord none = Dell(1366, 768);
  none.edid.reset();
  EXPECT_EQ(RunsNative(none), std::nullopt);
}

TEST(MonitorReport, PixelDensityFromTheDiagonal) {
  // 1366 x 768 on 410 x 230 mm: 18.5 inches, 84.7 pixels per inch.
  EXPECT_NEAR(*PixelDensity(*Dell(1, 1).edid), 84.67, 0.01);
  EXPECT_FALSE(PixelDensity(SampleEdid("philips_ftv_2015.bin")));  // no real size
}

TEST(MonitorReport, TextBlock) {
  MonitorRecord second = Dell(1280, 720);
  second.connector = "HDMI-A-1";
  second.primary = false;
  second.x = 1366;
  second.refresh_hz = 0;
  second.scale = 1;
  second.edid = SampleEdid("philips_ftv_2015.bin");
  MonitorRecord third = second;
  third.connector = "VGA-1";
  third.edid.reset();
  EXPECT_EQ(MonitorsText({Dell(1366, 768), second, third}),
            "Monitor 0: DP-1 (primary)\n"
            "  Position:       0, 0\n"
            "  Mode:           1366 x 768, 59.790 Hz, 32 bits per pixel\n"
            "  Desktop scale:  1.5\n"
            "  Maker:          DEL (Dell)\n"
            "  Product code:   8197\n"
            "  Serial number:  2C8FJ8255K5E\n"
            "  Model name:     D1918H\n"
            "  Year:           2018\n"
            "  Image size:     410 x 230 mm, 18.5 inches diagonal\n"
            "  Native mode:    1366 x 768, 59.790 Hz\n"
            "  Pixel density:  84.7 pixels per inch\n"
            "  Verdict:        native\n"
            "\n"
            "Monitor 1: HDMI-A-1\n"
            "  Position:       1366, 0\n"
            "  Mode:           1280 x 720, refresh rate unknown, 32 bits per pixel\n"
            "  Desktop scale:  1\n"
            "  Maker:          PHL (Philips)\n"
            "  Product code:   0\n"
            "  Serial number:  none\n"
            "  Model name:     Philips FTV\n"
            "  Year:           2015\n"
            "  Image size:     unknown\n"
            "  Native mode:    3840 x 2160, 30.000 Hz\n"
            "  Pixel density:  unknown\n"
            "  Verdict:        not native: the desktop runs 1280 x 720 on a 3840 x 2160 panel; line "
            "gratings will show scaling, not the monitor\n"
            "\n"
            "Monitor 2: VGA-1\n"
            "  Position:       1366, 0\n"
            "  Mode:           1280 x 720, refresh rate unknown, 32 bits per pixel\n"
            "  Desktop scale:  1\n"
            "  EDID:           none could be read\n"
            "  Verdict:        unknown: no EDID names the panel's native mode\n");
}

TEST(MonitorReport, JsonDocument) {
  MonitorRecord second = Dell(1280, 720);
  second.connector = "HDMI \"A\"";
  second.primary = false;
  second.refresh_hz = 0;
  second.edid.reset();
  const std::string json = MonitorsJson({Dell(1366, 768), second});
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
  ASSERT_TRUE(doc.isArray());
  const QJsonArray list = doc.array();
  ASSERT_EQ(list.size(), 2);
  const QJsonObject first = list[0].toObject();
  EXPECT_EQ(first["connector"].toString(), u"DP-1");
  EXPECT_TRUE(first["primary"].toBool());
  EXPECT_EQ(first["width"].toInt(), 1366);
  EXPECT_DOUBLE_EQ(first["refresh_hz"].toDouble(), 59.79);
  EXPECT_EQ(first["depth"].toInt(), 32);
  EXPECT_DOUBLE_EQ(first["scale"].toDouble(), 1.5);
  EXPECT_TRUE(first["native"].toBool());
  const QJsonObject edid = first["edid"].toObject();
  EXPECT_EQ(edid["manufacturer_id"].toString(), u"DEL");
  EXPECT_EQ(edid["manufacturer_name"].toString(), u"Dell");
  EXPECT_EQ(edid["product_code"].toInt(), 8197);
  EXPECT_EQ(edid["serial"].toString(), u"2C8FJ8255K5E");
  EXPECT_EQ(edid["name"].toString(), u"D1918H");
  EXPECT_EQ(edid["year"].toInt(), 2018);
  EXPECT_EQ(edid["image_width_mm"].toInt(), 410);
  EXPECT_EQ(edid["image_height_mm"].toInt(), 230);
  EXPECT_EQ(edid["preferred_width"].toInt(), 1366);
  EXPECT_EQ(edid["preferred_height"].toInt(), 768);
  EXPECT_DOUBLE_EQ(edid["preferred_refresh_hz"].toDouble(), 59.79);
  EXPECT_TRUE(edid["warnings"].toArray().isEmpty());
  const QJsonObject other = list[1].toObject();
  EXPECT_EQ(other["connector"].toString(), u"HDMI \"A\"");
  EXPECT_TRUE(other["refresh_hz"].isNull());
  EXPECT_TRUE(other["edid"].isNull());
  EXPECT_TRUE(other["native"].isNull());

  MonitorRecord tv = Dell(3840, 2160);
  tv.edid = SampleEdid("philips_ftv_2015.bin");
  const QJsonObject tv_edid =
      QJsonDocument::fromJson(QByteArray::fromStdString(MonitorsJson({tv}))).array()[0].toObject()["edid"].toObject();
  EXPECT_TRUE(tv_edid["image_width_mm"].isNull());
  EXPECT_TRUE(tv_edid["image_height_mm"].isNull());
  EXPECT_TRUE(tv_edid["serial"].isNull());
  EXPECT_TRUE(tv_edid["pixel_density_ppi"].isNull());
  EXPECT_EQ(MonitorsJson({}), "[]\n");
}

}  // namespace
}  // namespace rw
