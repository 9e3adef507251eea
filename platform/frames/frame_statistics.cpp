#include "platform/frames/frame_statistics.h"

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

bool HardwareTimed(const FrameFeedback& f) { return f.vsync && f.hw_clock && f.hw_completion; }

// A median of fewer intervals is no refresh period yet.
constexpr std::int64_t kIntervalsForAPeriod = 8;

std::int64_t RefreshesIn(std::int64_t dt, std::int64_t period) {
  return std::max<std::int64_t>(1, std::llround(static_cast<double>(dt) / static_cast<double>(period)));
}

std::int64_t Microseconds(double ns) { return std::llround(ns / 1000.0); }

}  // namespace

std::int64_t FrameStatistics::RecentMedianNs() const {
  const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(recent_count_, recent_ns_.size()));
  if (n == 0) return 0;
  std::array<std::int64_t, 120> sorted = recent_ns_;
  std::nth_element(sorted.begin(), sorted.begin() + n / 2, sorted.begin() + n);
  return sorted[n / 2];
}

std::int64_t FrameStatistics::RefreshPeriodNs() const {
  if (last_refresh_ns_ > 0) return last_refresh_ns_;
  const std::int64_t median_us = refreshes_us_.Percentile(0.5);
  return median_us * 1000;
}

void FrameStatistics::Add(const FrameFeedback& feedback) {
  if (feedback.discarded) {
    ++discarded_;
    return;
  }
  ++frames_;
  const bool counter_valid = feedback.vsync && feedback.counter != 0 && any_shown_ && last_.counter != 0 &&
                             feedback.counter > last_.counter;
  if (!any_shown_) {
    any_shown_ = true;
    all_hardware_ = HardwareTimed(feedback);
    last_ = feedback;
    last_refresh_ns_ = feedback.vsync ? feedback.refresh_ns : 0;
    return;
  }
  const std::int64_t dt = std::max<std::int64_t>(0, feedback.time_ns - last_.time_ns);
  std::int64_t d = 1;
  if (counter_valid) {
    d = static_cast<std::int64_t>(std::min<std::uint64_t>(feedback.counter - last_.counter, 1u << 30));
  } else if (feedback.vsync && feedback.refresh_ns > 0) {
    d = RefreshesIn(dt, feedback.refresh_ns);
  } else if (recent_count_ < kIntervalsForAPeriod) {
    unjudged_ns_.push_back(dt);
  } else {
    const std::int64_t period = RecentMedianNs();
    if (period > 0) {
      d = RefreshesIn(dt, period);
      for (const std::int64_t early : unjudged_ns_) {
        const std::int64_t more = RefreshesIn(early, period) - 1;
        missed_ += more;
        refreshes_ += more;
      }
    }
    unjudged_ns_.clear();
  }
  all_hardware_ = all_hardware_ && counter_valid && HardwareTimed(feedback);
  all_counted_ = all_counted_ && counter_valid;
  missed_ += d - 1;
  refreshes_ += d;
  total_ns_ += dt;
  max_ns_ = std::max(max_ns_, dt);
  intervals_us_.Add(Microseconds(static_cast<double>(dt)));
  refreshes_us_.Add(Microseconds(static_cast<double>(dt) / static_cast<double>(d)));
  recent_ns_[static_cast<std::size_t>(recent_count_ % static_cast<std::int64_t>(recent_ns_.size()))] = dt;
  ++recent_count_;
  if (feedback.vsync && feedback.refresh_ns > 0) last_refresh_ns_ = feedback.refresh_ns;
  last_ = feedback;
}

FrameCounts FrameStatistics::Counts() const {
  FrameCounts counts;
  counts.frames = frames_;
  counts.missed = missed_;
  counts.discarded = discarded_;
  if (total_ns_ > 0) counts.mean_hz = static_cast<double>(refreshes_) * 1e9 / static_cast<double>(total_ns_);
  const std::int64_t median_us = refreshes_us_.Percentile(0.5);
  if (frames_ > 1 && all_counted_) {
    counts.measured_hz = counts.mean_hz;
  } else if (median_us > 0) {
    counts.measured_hz = 1e6 / static_cast<double>(median_us);
  }
  counts.p50_ms = static_cast<double>(intervals_us_.Percentile(0.5)) / 1000.0;
  counts.p99_ms = static_cast<double>(intervals_us_.Percentile(0.99)) / 1000.0;
  counts.max_ms = static_cast<double>(max_ns_) / 1e6;
  if (timer_only_) {
    counts.source = TimeSource::Timer;
  } else {
    counts.source = any_shown_ && frames_ > 1 && all_hardware_ ? TimeSource::Hardware : TimeSource::Compositor;
  }
  return counts;
}

}  // namespace rw
