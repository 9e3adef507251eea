#pragma once

#include <cstdint>

namespace rw {

// Milliseconds since the first call, from a monotonic clock: never runs
// backwards, whatever happens to the wall clock.
std::int64_t MillisecondClock();

}  // namespace rw
