#pragma once

#include <cstdint>
#include <string>

namespace rw {

// What a motion image's refresh measurement found while the step was shown.
struct MotionFigures {
  double measured_hz = 0;  // 0: no rate could be measured
  double nominal_hz = 0;   // the mode's own rate; 0: unknown
  std::int64_t frames = 0;     // pictures shown
  std::int64_t missed = 0;     // refreshes that showed the previous picture again
  std::int64_t discarded = 0;  // pictures never shown
  std::string time_source;     // "hardware", "compositor" or "timer"
};

}  // namespace rw
