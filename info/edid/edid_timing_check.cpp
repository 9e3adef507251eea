#include "info/edid/edid_timing_check.h"

#include <cstdio>

namespace rw {
namespace {

constexpr std::int64_t kLowestPixelClockKhz = 10000;
constexpr double kLowestRefreshHz = 10;
constexpr double kHighestRefreshHz = 1000;

std::string Where(const EdidTiming& t) {
  const bool display_id = t.source == TimingSource::DisplayIdTypeI || t.source == TimingSource::DisplayIdTypeVII;
  return std::string(display_id ? "DisplayID timing " : "detailed timing ") + std::to_string(t.number) +
         " of block " + std::to_string(t.block) + " dropped: ";
}

std::string Decimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

bool PlausibleTiming(const EdidTiming& timing, std::vector<std::string>& warnings) {
  if (timing.pixel_clock_khz < kLowestPixelClockKhz) {
    warnings.push_back(Where(timing) + "pixel clock " + Decimals(timing.pixel_clock_khz / 1000.0) +
                       " MHz is below 10 MHz");
    return false;
  }
  if (!(timing.refresh_hz >= kLowestRefreshHz && timing.refresh_hz <= kHighestRefreshHz)) {
    warnings.push_back(Where(timing) + "refresh rate " + Decimals(timing.refresh_hz) +
                       " Hz is outside 10 to 1000 Hz");
    return false;
  }
  return true;
}

}  // namespace rw
