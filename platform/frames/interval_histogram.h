#pragma once

#include <cstdint>
#include <vector>

namespace rw {

// Intervals in whole microseconds, counted per microsecond up to a quarter
// of a second (longer ones share the last bin), so that a run of hours
// keeps its percentiles in a fixed megabyte.
class IntervalHistogram {
 public:
  static constexpr std::int64_t kBins = 250'000;

  void Add(std::int64_t interval_us);
  std::int64_t count() const { return count_; }
  // The smallest interval that at least `fraction` (0 to 1) of all reach;
  // 0 when there are none.
  std::int64_t Percentile(double fraction) const;

 private:
  std::vector<std::uint32_t> bins_;
  std::int64_t count_ = 0;
};

}  // namespace rw
