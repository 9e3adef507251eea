#include "info/edid/edid_preferred.h"

#include <algorithm>

namespace rw {

std::optional<EdidTiming> ChoosePreferredTiming(const EdidInfo& info, bool first_is_preferred,
                                                bool base_starts_with_timing) {
  const auto& timings = info.timings;
  if (timings.empty()) return std::nullopt;
  const auto marked = std::find_if(timings.begin(), timings.end(), [](const EdidTiming& t) {
    return t.marked_preferred &&
           (t.source == TimingSource::DisplayIdTypeI || t.source == TimingSource::DisplayIdTypeVII);
  });
  if (marked != timings.end()) return *marked;
  if (first_is_preferred && base_starts_with_timing && timings.front().source == TimingSource::BaseBlock) {
    return timings.front();
  }
  const auto area = [](const EdidTiming& t) { return std::int64_t{t.width} * t.height; };
  const auto largest = std::max_element(timings.begin(), timings.end(),
                                        [&](const EdidTiming& a, const EdidTiming& b) { return area(a) < area(b); });
  return *largest;
}

}  // namespace rw
