#include "platform/base/random.h"

#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

namespace rw {

void SeedRandom(std::uint32_t s) {
  RandomState& g = g_random;
  g.seeded = true;
  constexpr std::uint32_t kMultiplier = 1403630843u;  // 0x53A9B4FB
  for (int k = 0; k < 17; ++k) {
    g.b[k] = 1u - s * kMultiplier;
    s = 1u - g.b[k] * kMultiplier;
    g.a[k] = s;
  }
  g.i = 0;
  g.j = 10;
  for (int k = 0; k < 31; ++k) RandomStep();
}

void SeedRandomFromClock() {
  // The tick count is milliseconds since boot, as a monotonic clock that
  // includes suspend gives it.
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const auto ticks_ms = static_cast<std::uint32_t>(
      static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
  const auto thread_id = static_cast<std::uint32_t>(syscall(SYS_gettid));
  SeedRandom(thread_id ^ ticks_ms);
}

}  // namespace rw
