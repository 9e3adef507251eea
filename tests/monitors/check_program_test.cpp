#include "app/check_program.h"
#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

MonitorRecord Running(const char* sample, int width, int height) {
  MonitorRecord m;
  m.connector = "DP-1";
  m.width = width;
  m.height = height;
  m.edid_bytes = test::ReadBytes(std::string(RW_EDID_SAMPLES) + "/corpus/" + sample);
  m.edid = ParseEdid(m.edid_bytes).value();
  return m;
}

TEST(CheckProgram, TheReportsMonitorIsWhatTheEdidSays) {
  const MonitorRecord dell = Running("dell_d1918h_2018.bin", 1366, 768);
  const ReportMonitor m = ReportMonitorOf(dell);
  EXPECT_EQ(m.connector, "DP-1");
  EXPECT_EQ(m.manufacturer_id, "DEL");
  EXPECT_EQ(m.manufacturer_name, "Dell");
  EXPECT_EQ(m.model_name, dell.edid->name);
  EXPECT_EQ(m.product_code, dell.edid->product_code);
  EXPECT_EQ(m.serial, SerialText(*dell.edid));
  EXPECT_EQ(m.serial_text, dell.edid->serial_text);
  EXPECT_EQ(m.serial_number, dell.edid->serial_number);
  EXPECT_EQ(m.year, 2018);
  EXPECT_EQ(m.native_width, 1366);
  EXPECT_EQ(m.native_source, "declared");
  EXPECT_EQ(m.edid, dell.edid_bytes);

  MonitorRecord bare;
  bare.connector = "HEADLESS-1";
  const ReportMonitor none = ReportMonitorOf(bare);
  EXPECT_EQ(none.connector, "HEADLESS-1");
  EXPECT_FALSE(none.manufacturer_id || none.model_name || none.serial || none.year || none.product_code);
  EXPECT_TRUE(none.edid.empty());
}

TEST(CheckProgram, NativeVerdictsInGerman) {
  EXPECT_EQ(NativeVerdictGerman(Running("dell_d1918h_2018.bin", 1366, 768)), "nativ (1366 × 768)");
  EXPECT_EQ(NativeVerdictGerman(Running("dell_d1918h_2018.bin", 1280, 720)),
            "nicht nativ: der Desktop läuft mit 1280 × 720, das Panel hat 1366 × 768; Linienraster zeigen die "
            "Skalierung, nicht den Monitor");
  EXPECT_EQ(NativeVerdictGerman(Running("apple_cinema_hd_2007.bin", 2560, 1600)),
            "wahrscheinlich nativ (2560 × 1600, aus dem größten Timing der EDID geschätzt)");
  MonitorRecord bare;
  EXPECT_EQ(NativeVerdictGerman(bare), "unbekannt: keine EDID nennt die native Auflösung");
}

TEST(CheckProgram, TheDefaultNameComesFromTheMonitor) {
  ReportMonitor m;
  m.manufacturer_id = "DEL";
  m.model_name = "DELL / D1918H";
  m.serial = "5Q0 XG8";
  EXPECT_EQ(DefaultReportPath("/r", "2024-05-01_14-03-22", m),
            std::filesystem::path("/r/2024-05-01_14-03-22_DEL_DELL-D1918H_5Q0-XG8.html"));
  // Without a model name the product code stands for the model.
  m.model_name.reset();
  m.product_code = 8197;
  m.serial.reset();
  EXPECT_EQ(DefaultReportPath("/r", "s", m), std::filesystem::path("/r/s_DEL_8197_unbekannt.html"));
  EXPECT_EQ(DefaultReportPath("/r", "s", ReportMonitor{}), std::filesystem::path("/r/s_unbekannt_unbekannt_unbekannt.html"));
}

}  // namespace
}  // namespace rw
