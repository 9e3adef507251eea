#include "report/report_html.h"
#include "report/report_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

namespace rw {
namespace {

const std::string kNote = "Grün flackert <b>&\"fett\"</b> 'x' \\ ende";

ReportStep Step(std::string id, Answer answer, ReadingKind kind = ReadingKind::None, std::string reading = "") {
  ReportStep step;
  step.id = std::move(id);
  step.name = "Name von " + step.id;
  step.look_for = "Worauf man achtet <i>";
  step.answer = answer;
  step.reading_kind = kind;
  step.reading = std::move(reading);
  step.shown_ms = 1234;
  return step;
}

CheckRecord Record() {
  CheckRecord r;
  r.monitor.connector = "DP-1";
  r.monitor.manufacturer_id = "DEL";
  r.monitor.manufacturer_name = "Dell";
  r.monitor.model_name = "DELL D1918H";
  r.monitor.product_code = 16639;
  r.monitor.serial = "5Q0XG8\"/<x>";
  r.monitor.serial_number = 808464432;
  r.monitor.serial_text = "5Q0XG8\"/<x>";
  r.monitor.year = 2018;
  r.monitor.image_width_mm = 410;
  r.monitor.image_height_mm = 230;
  r.monitor.diagonal_inches = 18.5;
  r.monitor.native_width = 1366;
  r.monitor.native_height = 768;
  r.monitor.native_source = "declared";
  r.monitor.warnings = {"checksum of block 1 is wrong", "<warn>"};
  r.monitor.edid = {0x00, 0xFF, 0xFF, 0x10};
  r.desktop.window_system = "X11";
  r.desktop.width = 1366;
  r.desktop.height = 768;
  r.desktop.refresh_hz = 59.94;
  r.desktop.scale = 1.5;
  r.desktop.native = true;
  r.desktop.native_verdict = "native";
  r.desktop.native_verdict_de = "nativ (1366 × 768)";
  r.desktop.program_version = "1.0.0.0";
  r.desktop.date_time = "2024-05-01T14:03:22+02:00";
  r.steps.push_back(Step("checkerboard", Answer::Passed));
  r.steps.push_back(Step("white", Answer::Failed));
  r.steps.back().note = kNote;
  r.steps.push_back(Step("black-levels", Answer::Passed, ReadingKind::BlackLevel, "5"));
  r.steps.push_back(Step("white-levels", Answer::NotJudged, ReadingKind::WhiteLevel, ""));
  r.steps.push_back(Step("gamma", Answer::Failed, ReadingKind::Gamma, "2,2"));
  r.steps.push_back(Step("motion", Answer::NotJudged));
  MotionFigures figures;
  figures.measured_hz = 59.951;
  figures.nominal_hz = 60;
  figures.frames = 600;
  figures.missed = 2;
  figures.discarded = 1;
  figures.time_source = "compositor";
  r.steps.back().motion = figures;
  r.steps.push_back(Step("circles", Answer::NotReached, ReadingKind::Gamma));
  r.steps.back().shown_ms = 0;
  r.ended_early = true;
  return r;
}

QJsonObject Parsed(const std::string& json) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << json;
  return document.object();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

TEST(ReportJson, HoldsEveryFieldUnaltered) {
  const QJsonObject root = Parsed(ReportJson(Record()));
  EXPECT_EQ(root["format"].toString(), u"rasterwacht-check"_qs);
  EXPECT_EQ(root["format_version"].toInt(), 1);
  const QJsonObject monitor = root["monitor"].toObject();
  EXPECT_EQ(monitor["connector"].toString(), u"DP-1"_qs);
  EXPECT_EQ(monitor["manufacturer_id"].toString(), u"DEL"_qs);
  EXPECT_EQ(monitor["manufacturer_name"].toString(), u"Dell"_qs);
  EXPECT_EQ(monitor["model_name"].toString(), u"DELL D1918H"_qs);
  EXPECT_EQ(monitor["product_code"].toInt(), 16639);
  EXPECT_EQ(monitor["serial"].toString(), Q("5Q0XG8\"/<x>"));
  EXPECT_EQ(monitor["serial_number"].toDouble(), 808464432.0);
  EXPECT_EQ(monitor["year"].toInt(), 2018);
  EXPECT_EQ(monitor["model_year"].toBool(true), false);
  EXPECT_EQ(monitor["diagonal_inches"].toDouble(), 18.5);
  EXPECT_EQ(monitor["native_width"].toInt(), 1366);
  EXPECT_EQ(monitor["edid_warnings"].toArray().size(), 2);
  EXPECT_EQ(monitor["edid_warnings"].toArray()[1].toString(), u"<warn>"_qs);
  EXPECT_EQ(monitor["edid_hex"].toString(), u"00ffff10"_qs);
  const QJsonObject desktop = root["desktop"].toObject();
  EXPECT_EQ(desktop["refresh_hz"].toDouble(), 59.94);
  EXPECT_EQ(desktop["scale"].toDouble(), 1.5);
  EXPECT_EQ(desktop["native"].toBool(false), true);
  EXPECT_TRUE(desktop["compositor"].isNull());
  // Nothing personal unless --operator names someone.
  EXPECT_TRUE(desktop.contains(u"operator"_qs));
  EXPECT_TRUE(desktop["operator"].isNull());
  EXPECT_EQ(desktop["date_time"].toString(), u"2024-05-01T14:03:22+02:00"_qs);

  const QJsonArray steps = root["steps"].toArray();
  ASSERT_EQ(steps.size(), 7);
  EXPECT_EQ(steps[0].toObject()["number"].toInt(), 1);
  EXPECT_EQ(steps[0].toObject()["answer"].toString(), u"passed"_qs);
  EXPECT_EQ(steps[0].toObject()["answer_text"].toString(), u"in Ordnung"_qs);
  EXPECT_TRUE(steps[0].toObject()["reading"].isNull());
  EXPECT_TRUE(steps[0].toObject()["reading_text"].isNull());
  EXPECT_EQ(steps[1].toObject()["answer_text"].toString(), u"Fehler"_qs);
  EXPECT_EQ(steps[1].toObject()["note"].toString(), Q(kNote));
  EXPECT_EQ(steps[2].toObject()["reading"].toDouble(), 5.0);
  EXPECT_EQ(steps[2].toObject()["reading_text"].toString(), u"5"_qs);
  EXPECT_EQ(steps[3].toObject()["answer"].toString(), u"not_judged"_qs);
  EXPECT_EQ(steps[3].toObject()["answer_text"].toString(), u"nicht beurteilt"_qs);
  EXPECT_TRUE(steps[3].toObject()["reading"].isNull());
  EXPECT_EQ(steps[3].toObject()["reading_text"].toString(), u"nicht abgelesen"_qs);
  EXPECT_EQ(steps[4].toObject()["reading"].toDouble(), 2.2);
  EXPECT_EQ(steps[4].toObject()["reading_text"].toString(), u"2,2"_qs);
  EXPECT_EQ(steps[4].toObject()["shown_ms"].toInt(), 1234);
  EXPECT_TRUE(steps[0].toObject()["motion"].isNull());
  const QJsonObject motion = steps[5].toObject()["motion"].toObject();
  EXPECT_EQ(motion["measured_hz"].toDouble(), 59.951);
  EXPECT_EQ(motion["nominal_hz"].toDouble(), 60.0);
  EXPECT_EQ(motion["frames"].toInt(), 600);
  EXPECT_EQ(motion["missed"].toInt(), 2);
  EXPECT_EQ(motion["discarded"].toInt(), 1);
  EXPECT_EQ(motion["time_source"].toString(), u"compositor"_qs);
  EXPECT_EQ(steps[6].toObject()["answer_text"].toString(), u"nicht erreicht"_qs);
  EXPECT_TRUE(steps[6].toObject()["reading_text"].isNull());

  const QJsonObject totals = root["totals"].toObject();
  EXPECT_EQ(totals["steps"].toInt(), 7);
  EXPECT_EQ(totals["passed"].toInt(), 2);
  EXPECT_EQ(totals["failed"].toInt(), 2);
  EXPECT_EQ(totals["not_judged"].toInt(), 2);
  EXPECT_EQ(totals["not_reached"].toInt(), 1);
  EXPECT_EQ(root["ended_early"].toBool(false), true);
  EXPECT_EQ(root["not_reached"].toArray(), QJsonArray({u"circles"_qs}));
}

TEST(ReportJson, AbsentFactsAreNullAndTheOperatorIsNamedWhenGiven) {
  CheckRecord r;
  r.monitor.connector = "HEADLESS-1";
  r.desktop.operator_name = "Anna \"Prüferin\"";
  const QJsonObject root = Parsed(ReportJson(r));
  const QJsonObject monitor = root["monitor"].toObject();
  for (const char* key : {"manufacturer_id", "model_name", "product_code", "serial", "serial_number", "year",
                          "model_year", "diagonal_inches", "native_width", "edid_hex"}) {
    EXPECT_TRUE(monitor[QString::fromLatin1(key)].isNull()) << key;
  }
  EXPECT_EQ(root["desktop"].toObject()["operator"].toString(), u"Anna \"Prüferin\""_qs);
  EXPECT_EQ(root["steps"].toArray().size(), 0);
}

TEST(ReportHtml, EscapesEveryTextAndNeedsNothingOutside) {
  const std::string html = ReportHtml(Record());
  // The note, the serial and the warnings are text, never markup.
  EXPECT_NE(html.find("Grün flackert &lt;b&gt;&amp;&quot;fett&quot;&lt;/b&gt; &#39;x&#39; \\ ende"), std::string::npos);
  EXPECT_EQ(html.find("<b>&\""), std::string::npos);
  EXPECT_EQ(html.find("<i>"), std::string::npos);
  EXPECT_EQ(html.find("<warn>"), std::string::npos);
  EXPECT_NE(html.find("5Q0XG8&quot;/&lt;x&gt;"), std::string::npos);
  // Self-contained: no scripts, and nothing loaded from elsewhere.
  const QString text = Q(html);
  EXPECT_FALSE(text.contains(u"<script"_qs, Qt::CaseInsensitive));
  const QRegularExpression reference(u"(src|href)\\s*=\\s*\"([^\"]*)\""_qs);
  for (auto match = reference.globalMatch(text); match.hasNext();) {
    EXPECT_TRUE(match.next().captured(2).startsWith(u"data:"_qs));
  }
  EXPECT_FALSE(text.contains(u"url("_qs));
  EXPECT_FALSE(text.contains(u"@import"_qs));
}

TEST(ReportHtml, SaysWhatTheJsonSaysInGerman) {
  CheckRecord record = Record();
  record.steps[0].thumbnail_png = {0x89, 'P', 'N', 'G'};
  const std::string html = ReportHtml(record);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"de\">", 0), 0u);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("@page { size: A4;"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"monitor-maker\">DEL (Dell)</td>"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"monitor-model\">DELL D1918H</td>"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"monitor-image-size\">410 × 230 mm, 18,5 Zoll Diagonale</td>"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"desktop-mode\">1366 × 768, 59,94 Hz</td>"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"desktop-scale\">150 %</td>"), std::string::npos);
  EXPECT_NE(html.find("<td id=\"desktop-date-time\">01.05.2024, 14:03:22 (UTC+02:00)</td>"), std::string::npos);
  EXPECT_EQ(html.find("desktop-operator"), std::string::npos);
  EXPECT_NE(html.find("<pre id=\"edid\">00 ff ff 10\n</pre>"), std::string::npos);
  EXPECT_NE(html.find("<img class=\"thumb\" alt=\"Vorschau: Name von checkerboard\" src=\"data:image/png;base64,iVBORw==\">"),
            std::string::npos);
  EXPECT_NE(html.find("<td class=\"answer\">nicht beurteilt</td><td class=\"reading\">nicht abgelesen</td>"),
            std::string::npos);
  EXPECT_NE(html.find("<td class=\"reading\">2,2</td>"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"time\">1,2 s</td>"), std::string::npos);
  EXPECT_NE(html.find("Gemessen: 59,951 Hz (Nennwert 60 Hz), 600 Bilder, 2 verpasst, 1 verworfen, Zeitquelle: Compositor"),
            std::string::npos);
  EXPECT_NE(html.find("Nicht erreicht: Name von circles."), std::string::npos);
  EXPECT_NE(html.find("<b id=\"total-not-reached\">1</b>"), std::string::npos);
  for (int k = 1; k <= 7; ++k) EXPECT_NE(html.find("id=\"step-" + std::to_string(k) + "\""), std::string::npos) << k;
}

}  // namespace
}  // namespace rw
