#include "platform/frames/interval_histogram.h"

#include <algorithm>
#include <cmath>

namespace rw {

void IntervalHistogram::Add(std::int64_t interval_us) {
  if (bins_.empty()) bins_.assign(kBins, 0);
  const std::int64_t bin = std::clamp<std::int64_t>(interval_us, 0, kBins - 1);
  ++bins_[static_cast<std::size_t>(bin)];
  ++count_;
}

std::int64_t IntervalHistogram::Percentile(double fraction) const {
  if (count_ == 0) return 0;
  const double wanted = std::ceil(std::clamp(fraction, 0.0, 1.0) * static_cast<double>(count_));
  const std::int64_t rank = std::max<std::int64_t>(1, static_cast<std::int64_t>(wanted));
  std::int64_t seen = 0;
  for (std::int64_t bin = 0; bin < kBins; ++bin) {
    seen += bins_[static_cast<std::size_t>(bin)];
    if (seen >= rank) return bin;
  }
  return kBins - 1;
}

}  // namespace rw
