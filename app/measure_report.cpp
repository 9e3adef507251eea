#include "app/measure_report.h"

#include "app/json_text.h"

#include <cstdio>

namespace rw {
namespace {

std::string Number(double value) { return ShortNumber(value); }

std::string JsonRate(double hz) { return hz > 0 ? Number(hz) : "null"; }

}  // namespace

std::string TimeSourceName(TimeSource source) {
  switch (source) {
    case TimeSource::Hardware: return "hardware";
    case TimeSource::Compositor: return "compositor";
    case TimeSource::Timer: return "timer";
  }
  return "timer";
}

std::string MeasurementText(const RefreshMeasurement& m) {
  const FrameCounts& c = m.counts;
  std::string out = "connector: " + (m.connector.empty() ? std::string("unknown") : m.connector) + "\n";
  out += "nominal refresh: " + (m.nominal_hz > 0 ? Number(m.nominal_hz) + " Hz" : std::string("unknown")) + "\n";
  out += "measured refresh: " +
         (c.measured_hz > 0 ? Number(c.measured_hz) + " Hz (mean " + Number(c.mean_hz) + " Hz)"
                            : std::string("unknown (fewer than two frames shown)")) +
         "\n";
  out += "frames: " + std::to_string(c.frames) + "\n";
  out += "missed: " + std::to_string(c.missed) + "\n";
  out += "discarded: " + std::to_string(c.discarded) + "\n";
  out += "intervals: p50 " + Number(c.p50_ms) + " ms, p99 " + Number(c.p99_ms) + " ms, max " + Number(c.max_ms) + " ms\n";
  out += "time source: " + TimeSourceName(c.source) + "\n";
  return out;
}

std::string MeasurementJson(const RefreshMeasurement& m) {
  const FrameCounts& c = m.counts;
  return "{\"connector\": " + JsonString(m.connector) + ", \"nominal_hz\": " + JsonRate(m.nominal_hz) +
         ", \"measured_hz\": " + JsonRate(c.measured_hz) + ", \"frames\": " + std::to_string(c.frames) +
         ", \"missed\": " + std::to_string(c.missed) + ", \"discarded\": " + std::to_string(c.discarded) +
         ", \"interval_ms\": {\"p50\": " + Number(c.p50_ms) + ", \"p99\": " + Number(c.p99_ms) +
         ", \"max\": " + Number(c.max_ms) + "}, \"time_source\": " + JsonString(TimeSourceName(c.source)) + "}\n";
}

}  // namespace rw
