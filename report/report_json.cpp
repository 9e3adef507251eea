#include "report/report_json.h"

#include "report/report_text.h"

#include <cmath>

namespace rw {
namespace {

// Builds one object's members, "key": value, in the order they are added.
class JsonObject {
 public:
  explicit JsonObject(std::string indent) : indent_(std::move(indent)) {}

  JsonObject& Raw(std::string_view key, const std::string& value) {
    text_ += (text_.empty() ? "{\n" : ",\n") + indent_ + "  " + JsonString(key) + ": " + value;
    return *this;
  }
  JsonObject& String(std::string_view key, std::string_view value) { return Raw(key, JsonString(value)); }
  JsonObject& MaybeString(std::string_view key, const std::optional<std::string>& value) {
    return Raw(key, value ? JsonString(*value) : "null");
  }
  JsonObject& Int(std::string_view key, std::int64_t value) { return Raw(key, std::to_string(value)); }
  template <typename T>
  JsonObject& Int(std::string_view key, const std::optional<T>& value) {
    return Raw(key, value ? std::to_string(*value) : "null");
  }
  JsonObject& Number(std::string_view key, std::optional<double> value, int decimals) {
    return Raw(key, value && std::isfinite(*value) ? DecimalText(*value, decimals) : "null");
  }
  JsonObject& Bool(std::string_view key, std::optional<bool> value) {
    return Raw(key, !value ? "null" : *value ? "true" : "false");
  }

  std::string Close() const { return text_.empty() ? "{}" : text_ + "\n" + indent_ + "}"; }

 private:
  std::string indent_;
  std::string text_;
};

std::string StringArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t k = 0; k < items.size(); ++k) out += (k ? ", " : "") + JsonString(items[k]);
  return out + "]";
}

std::string MonitorJson(const ReportMonitor& m) {
  JsonObject o("  ");
  o.String("connector", m.connector)
      .MaybeString("manufacturer_id", m.manufacturer_id)
      .MaybeString("manufacturer_name", m.manufacturer_name)
      .MaybeString("model_name", m.model_name)
      .Int("product_code", m.product_code)
      .MaybeString("serial", m.serial)
      .Int("serial_number", m.serial_number)
      .MaybeString("serial_text", m.serial_text)
      .Int("year", m.year)
      .Bool("model_year", m.year ? std::optional(m.model_year) : std::nullopt)
      .Int("image_width_mm", m.image_width_mm)
      .Int("image_height_mm", m.image_height_mm)
      .Number("diagonal_inches", m.diagonal_inches, 1)
      .Int("native_width", m.native_width)
      .Int("native_height", m.native_height)
      .MaybeString("native_source", m.native_source)
      .Raw("edid_warnings", StringArray(m.warnings))
      .Raw("edid_hex", m.edid.empty() ? "null" : JsonString(HexBytes(m.edid)));
  return o.Close();
}

std::string DesktopJson(const ReportDesktop& d) {
  JsonObject o("  ");
  o.String("window_system", d.window_system)
      .MaybeString("compositor", d.compositor)
      .Int("width", d.width)
      .Int("height", d.height)
      .Number("refresh_hz", d.refresh_hz, 3)
      .Number("scale", d.scale, 3)
      .Bool("native", d.native)
      .String("native_verdict", d.native_verdict)
      .String("program_version", d.program_version)
      .String("date_time", d.date_time)
      .MaybeString("operator", d.operator_name);
  return o.Close();
}

std::string MotionJson(const std::optional<MotionFigures>& motion) {
  if (!motion) return "null";
  JsonObject o("      ");
  o.Number("measured_hz", motion->measured_hz > 0 ? std::optional(motion->measured_hz) : std::nullopt, 3)
      .Number("nominal_hz", motion->nominal_hz > 0 ? std::optional(motion->nominal_hz) : std::nullopt, 3)
      .Int("frames", motion->frames)
      .Int("missed", motion->missed)
      .Int("discarded", motion->discarded)
      .String("time_source", motion->time_source);
  return o.Close();
}

std::string StepJson(const ReportStep& s, std::size_t number) {
  JsonObject o("    ");
  o.Int("number", static_cast<std::int64_t>(number))
      .String("id", s.id)
      .String("name", s.name)
      .String("answer", AnswerCode(s.answer))
      .String("answer_text", AnswerText(s.answer))
      .Number("reading", ReadingValue(s), 1)
      .MaybeString("reading_text", ReadingText(s))
      .String("note", s.note)
      .Int("shown_ms", s.shown_ms)
      .Raw("motion", MotionJson(s.motion));
  return o.Close();
}

}  // namespace

std::string ReportJson(const CheckRecord& record) {
  const ReportTotals totals = TotalsOf(record);
  std::string steps = "[";
  std::vector<std::string> not_reached;
  for (std::size_t k = 0; k < record.steps.size(); ++k) {
    steps += (k ? ",\n    " : "\n    ") + StepJson(record.steps[k], k + 1);
    if (record.steps[k].answer == Answer::NotReached) not_reached.push_back(record.steps[k].id);
  }
  steps += record.steps.empty() ? "]" : "\n  ]";
  JsonObject totals_object("  ");
  totals_object.Int("steps", totals.steps)
      .Int("passed", totals.passed)
      .Int("failed", totals.failed)
      .Int("not_judged", totals.not_judged)
      .Int("not_reached", totals.not_reached);
  JsonObject o("");
  o.String("format", "rasterwacht-check")
      .Int("format_version", 1)
      .Raw("monitor", MonitorJson(record.monitor))
      .Raw("desktop", DesktopJson(record.desktop))
      .Raw("steps", steps)
      .Raw("totals", totals_object.Close())
      .Bool("ended_early", record.ended_early)
      .Raw("not_reached", StringArray(not_reached));
  return o.Close() + "\n";
}

}  // namespace rw
