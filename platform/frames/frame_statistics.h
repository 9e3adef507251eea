#pragma once

#include "platform/frames/frame_feedback.h"
#include "platform/frames/interval_histogram.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rw {

// How far the times of shown frames can be trusted: the display hardware's
// own clock and refresh counter, the compositor's estimate, or only the
// program's timer (nothing told when a picture was shown).
enum class TimeSource { Hardware, Compositor, Timer };

struct FrameCounts {
  std::int64_t frames = 0;      // pictures shown
  std::int64_t missed = 0;      // refreshes that showed the previous picture again
  std::int64_t discarded = 0;   // pictures never shown
  double measured_hz = 0;       // the refresh rate measured; 0 before two frames
  double mean_hz = 0;           // refreshes over the time they took
  double p50_ms = 0;            // intervals between shown frames
  double p99_ms = 0;
  double max_ms = 0;
  TimeSource source = TimeSource::Timer;
};

// Counts the answers about the pictures of one motion run. Between two
// shown frames d refreshes passed: from the refresh counter where it is
// valid (non-zero, increasing, vsync), else the time between them over the
// refresh period, which is the answer's own where it is tied to the
// refreshes (vsync) and else the median interval of the last 120 frames (a
// headless compositor that ticks at 62.5 Hz while calling its mode 60 Hz is
// measured, not believed). The d - 1 refreshes between count as missed.
//
// The measured rate is 1 / the median of the intervals per refresh. Where
// the counter counted every interval it is the counter's refreshes over the
// time they took instead: the times of such answers jitter with the
// server's timer (an X server's clock ticks in whole milliseconds), which
// biases a median, while the counter does not.
class FrameStatistics {
 public:
  // `timer_only`: the times are the program's own timer's, not answers.
  explicit FrameStatistics(bool timer_only = false) : timer_only_(timer_only) {}

  void Add(const FrameFeedback& feedback);
  FrameCounts Counts() const;

  // Refreshes from the first shown frame to the last one: that frame's
  // number, 0 for the first.
  std::int64_t LastFrameNumber() const { return refreshes_; }
  // The refresh period as measured so far (the answer's own where it names
  // one); 0 before the first interval.
  std::int64_t RefreshPeriodNs() const;

 private:
  std::int64_t RecentMedianNs() const;

  bool timer_only_;
  bool any_shown_ = false;
  bool all_hardware_ = true;
  bool all_counted_ = true;  // every interval's d came from the counter
  FrameFeedback last_;
  std::int64_t frames_ = 0;
  std::int64_t missed_ = 0;
  std::int64_t discarded_ = 0;
  std::int64_t refreshes_ = 0;
  std::int64_t total_ns_ = 0;
  std::int64_t max_ns_ = 0;
  std::int64_t last_refresh_ns_ = 0;
  IntervalHistogram intervals_us_;     // between shown frames
  IntervalHistogram refreshes_us_;     // each such interval over its d
  std::array<std::int64_t, 120> recent_ns_{};
  std::int64_t recent_count_ = 0;
  // Intervals taken as one refresh while too few were seen for a median
  // (a compositor's first callbacks may come at once); counted again once
  // the median stands.
  std::vector<std::int64_t> unjudged_ns_;
};

}  // namespace rw
