#include "platform/frames/window_system_answers.h"

#include <algorithm>
#include <limits>

namespace rw {
namespace {

constexpr std::uint32_t kVsync = 0x1;
constexpr std::uint32_t kHwClock = 0x2;
constexpr std::uint32_t kHwCompletion = 0x4;

constexpr std::uint8_t kFlip = 1;
constexpr std::uint8_t kSkip = 2;

// Times far beyond any clock's range are clamped rather than wrapped.
std::int64_t Nanoseconds(std::uint64_t seconds, std::uint64_t nanoseconds) {
  constexpr std::uint64_t kMaxSeconds = std::numeric_limits<std::int64_t>::max() / 1'000'000'000 - 1;
  return static_cast<std::int64_t>(std::min(seconds, kMaxSeconds) * 1'000'000'000 + std::min<std::uint64_t>(nanoseconds, 999'999'999));
}

}  // namespace

FrameFeedback PresentedAnswer(std::uint64_t seconds, std::uint32_t nanoseconds, std::uint32_t refresh_ns,
                              std::uint64_t seq, std::uint32_t flags) {
  FrameFeedback f;
  f.time_ns = Nanoseconds(seconds, nanoseconds);
  f.counter = seq;
  f.refresh_ns = refresh_ns;
  f.vsync = (flags & kVsync) != 0;
  f.hw_clock = (flags & kHwClock) != 0;
  f.hw_completion = (flags & kHwCompletion) != 0;
  return f;
}

FrameFeedback PresentCompleteAnswer(std::uint8_t mode, std::uint64_t ust_us, std::uint64_t msc) {
  FrameFeedback f;
  if (mode == kSkip) {
    f.discarded = true;
    return f;
  }
  f.time_ns = Nanoseconds(ust_us / 1'000'000, ust_us % 1'000'000 * 1000);
  f.counter = msc;
  f.vsync = true;
  f.hw_clock = mode == kFlip;
  f.hw_completion = mode == kFlip;
  return f;
}

}  // namespace rw
