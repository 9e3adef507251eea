#pragma once

#include <cstdint>

namespace rw {

// A double to a signed 64-bit integer, truncated toward zero. Infinities and
// the all-ones NaN give 0; any other NaN and every value outside the 64-bit
// range give INT64_MIN, the value the processor's own conversion yields.
std::int64_t FloatToInt(double value);

}  // namespace rw
