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

MonitorRecord Running(const char* sample, int width, int height) {
  MonitorRecord m = Dell(width, height);
  m.edid = SampleEdid(sample);
  return m;
}

TEST(MonitorReport, VerdictsSayHowSureTheyAre) {
  // EDID 1.3 without the preferred bit: the largest timing is a guess.
  EXPECT_EQ(NativeVerdict(Running("apple_cinema_hd_2007.bin", 2560, 1600)),
            "probably native (the EDID names no native mode; guessed from its largest timing)");
  EXPECT_EQ(NativeVerdict(Running("apple_cinema_hd_2007.bin", 1280, 800)),
            "not native: the desktop runs 1280 x 800, the panel probably 2560 x 1600 (the EDID names no native "
            "mode; guessed from its largest timing); line gratings will show scaling, not the monitor");
  EXPECT_EQ(RunsNative(Running("apple_cinema_hd_2007.bin", 1280, 800)), false);

  // EDID 1.4 without the native bit: no verdict.
  MonitorRecord none = Dell(1366, 768);
  none.edid->native.reset();
  none.edid->native_source = NativeSource::None;
  EXPECT_EQ(RunsNative(none), std::nullopt);
  EXPECT_EQ(NativeVerdict(none), "unknown: the EDID declares no native format");

  // A tiled panel: one tile, or the whole panel, is native; 3840 x 2160 is not.
  EXPECT_EQ(NativeVerdict(Running("lg_ultrafine_5k_tiled_2020.bin", 5120, 2880)), "native");
  EXPECT_EQ(NativeVerdict(Running("lg_ultrafine_5k_tiled_2020.bin", 2560, 2880)), "native");
  EXPECT_EQ(NativeVerdict(Running("lg_ultrafine_5k_tiled_2020.bin", 3840, 2160)),
            "not native: the desktop runs 3840 x 2160 on a 5120 x 2880 panel; line gratings will show scaling, "
            "not the monitor");
}

TEST(MonitorReport, TiledAndContradictoryTextLines) {
  const std::string tiled = MonitorsText({Running("lg_ultrafine_5k_tiled_2020.bin", 5120, 2880)});
  EXPECT_NE(tiled.find("  Image size:     600 x 340 mm, 27.2 inches diagonal\n"
                       "  Preferred mode: 3840 x 2160, 59.999 Hz\n"
                       "  Native mode:    5120 x 2880\n"
                       "  Tiles:          2 x 1 tiles of 2560 x 2880, this connector's at column 0, row 0\n"
                       "  Pixel density:  216.4 pixels per inch\n"),
            std::string::npos)
      << tiled;
  const std::string tv = MonitorsText({Running("samsung_tv_sizes_disagree_2018.bin", 1920, 1080)});
  EXPECT_NE(tv.find("  Image size:     700 x 390 mm, no diagonal: the EDID's sizes disagree\n"), std::string::npos)
      << tv;
  EXPECT_NE(tv.find("  Pixel density:  unknown\n"), std::string::npos);
  EXPECT_NE(tv.find("  EDID warning:   image size 1210 x 680 mm of detailed timing 1 in block 0 disagrees with the "
                    "base block's 700 x 390 mm\n"),
            std::string::npos);
  const std::string apple = MonitorsText({Running("apple_cinema_hd_2007.bin", 2560, 1600)});
  EXPECT_NE(apple.find("  Native mode:    2560 x 1600 (guessed from the largest timing)\n"), std::string::npos)
      << apple;
}

QJsonObject JsonOf(const MonitorRecord& m) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(MonitorsJson({m}))).array()[0].toObject();
}

TEST(MonitorReport, JsonNativeFields) {
  const QJsonObject tiled = JsonOf(Running("lg_ultrafine_5k_tiled_2020.bin", 5120, 2880));
  EXPECT_TRUE(tiled["native"].toBool());
  const QJsonObject e = tiled["edid"].toObject();
  EXPECT_EQ(e["preferred_width"].toInt(), 3840);
  EXPECT_EQ(e["native_width"].toInt(), 5120);
  EXPECT_EQ(e["native_height"].toInt(), 2880);
  EXPECT_EQ(e["native_source"].toString(), u"declared");
  const QJsonObject tiles = e["tiles"].toObject();
  EXPECT_EQ(tiles["columns"].toInt(), 2);
  EXPECT_EQ(tiles["rows"].toInt(), 1);
  EXPECT_EQ(tiles["column"].toInt(), 0);
  EXPECT_EQ(tiles["row"].toInt(), 0);
  EXPECT_DOUBLE_EQ(e["diagonal_inches"].toDouble(), 27.2);
  EXPECT_DOUBLE_EQ(e["pixel_density_ppi"].toDouble(), 216.4);

  const QJsonObject apple = JsonOf(Running("apple_cinema_hd_2007.bin", 1280, 800));
  EXPECT_FALSE(apple["native"].toBool());
  EXPECT_FALSE(apple["native"].isNull());
  EXPECT_EQ(apple["edid"].toObject()["native_source"].toString(), u"guessed");
  EXPECT_TRUE(apple["edid"].toObject()["tiles"].isNull());

  const QJsonObject tv = JsonOf(Running("samsung_tv_sizes_disagree_2018.bin", 1920, 1080));
  EXPECT_EQ(tv["edid"].toObject()["image_width_mm"].toInt(), 700);
  EXPECT_TRUE(tv["edid"].toObject()["diagonal_inches"].isNull());
  EXPECT_TRUE(tv["edid"].toObject()["pixel_density_ppi"].isNull());

  MonitorRecord none = Dell(1366, 768);
  none.edid->native.reset();
  none.edid->native_source = NativeSource::None;
  const QJsonObject no_native = JsonOf(none);
  EXPECT_TRUE(no_native["native"].isNull());
  EXPECT_TRUE(no_native["edid"].toObject()["native_width"].isNull());
  EXPECT_TRUE(no_native["edid"].toObject()["native_height"].isNull());
  EXPECT_TRUE(no_native["edid"].toObject()["native_source"].isNull());
  EXPECT_TRUE(no_native["edid"].toObject()["pixel_density_ppi"].isNull());
  EXPECT_EQ(no_native["edid"].toObject()["preferred_width"].toInt(), 1366);
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
            "  Preferred mode: 1366 x 768, 59.790 Hz\n"
            "  Native mode:    1366 x 768\n"
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
            "  Preferred mode: 3840 x 2160, 30.000 Hz\n"
            "  Native mode:    3840 x 2160\n"
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
