#include "app/measure_report.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace rw {
namespace {

RefreshMeasurement Sway() {
  RefreshMeasurement m;
  m.connector = "HEADLESS-1";
  m.nominal_hz = 100;
  m.counts.frames = 294;
  m.counts.missed = 1;
  m.counts.discarded = 0;
  m.counts.measured_hz = 98.0392;
  m.counts.mean_hz = 98.01;
  m.counts.p50_ms = 10.2;
  m.counts.p99_ms = 10.9;
  m.counts.max_ms = 20.4;
  m.counts.source = TimeSource::Compositor;
  return m;
}

TEST(MeasureReport, TheTextNamesEveryFigureOnItsLine) {
  EXPECT_EQ(MeasurementText(Sway()),
            "connector: HEADLESS-1\n"
            "nominal refresh: 100 Hz\n"
            "measured refresh: 98.039 Hz (mean 98.01 Hz)\n"
            "frames: 294\n"
            "missed: 1\n"
            "discarded: 0\n"
            "intervals: p50 10.2 ms, p99 10.9 ms, max 20.4 ms\n"
            "time source: compositor\n");
  RefreshMeasurement none;
  const std::string text = MeasurementText(none);
  EXPECT_NE(text.find("connector: unknown\n"), std::string::npos);
  EXPECT_NE(text.find("nominal refresh: unknown\n"), std::string::npos);
  EXPECT_NE(text.find("measured refresh: unknown (fewer than two frames shown)\n"), std::string::npos);
  EXPECT_NE(text.find("time source: timer\n"), std::string::npos);
}

TEST(MeasureReport, TheJsonHasExactlyItsKeysInTheirOrder) {
  const std::string json = MeasurementJson(Sway());
  EXPECT_EQ(json,
            "{\"connector\": \"HEADLESS-1\", \"nominal_hz\": 100, \"measured_hz\": 98.039, \"frames\": 294, "
            "\"missed\": 1, \"discarded\": 0, \"interval_ms\": {\"p50\": 10.2, \"p99\": 10.9, \"max\": 20.4}, "
            "\"time_source\": \"compositor\"}\n");
  RefreshMeasurement odd;
  odd.connector = "weird \"name\"\\\x01";
  odd.counts.source = TimeSource::Hardware;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(MeasurementJson(odd)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  const QJsonObject o = doc.object();
  EXPECT_EQ(o.keys().size(), 8);
  EXPECT_EQ(o["connector"].toString().toStdString(), "weird \"name\"\\\x01");
  EXPECT_TRUE(o["nominal_hz"].isNull());
  EXPECT_TRUE(o["measured_hz"].isNull());
  EXPECT_EQ(o["interval_ms"].toObject().keys(), (QStringList{u"max"_qs, u"p50"_qs, u"p99"_qs}));
  EXPECT_EQ(o["time_source"].toString(), u"hardware"_qs);
}

}  // namespace
}  // namespace rw
