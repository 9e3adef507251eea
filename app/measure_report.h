#pragma once

#include "platform/frames/frame_statistics.h"

#include <string>

namespace rw {

// What --measure-refresh found on one monitor.
struct RefreshMeasurement {
  std::string connector;
  double nominal_hz = 0;  // the mode's rate; 0: unknown
  FrameCounts counts;
};

// "hardware", "compositor" or "timer".
std::string TimeSourceName(TimeSource source);

// The result as lines of "name: value".
std::string MeasurementText(const RefreshMeasurement& measurement);

// The result as one JSON object: connector, nominal_hz, measured_hz (null
// when unknown), frames, missed, discarded, interval_ms with p50, p99 and
// max, time_source.
std::string MeasurementJson(const RefreshMeasurement& measurement);

}  // namespace rw
