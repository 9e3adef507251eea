#include "platform/base/float_to_int.h"

#include <bit>
#include <cmath>
#include <limits>

namespace rw {

std::int64_t FloatToInt(double value) {
  constexpr std::int64_t kOutOfRange = std::numeric_limits<std::int64_t>::min();
  if (std::isinf(value)) return 0;
  if (std::isnan(value)) {
    return std::bit_cast<std::uint64_t>(value) == ~std::uint64_t{0} ? 0 : kOutOfRange;
  }
  // 2^63 is exactly representable; every double below it and at or above
  // -2^63 truncates into range.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (value >= kTwoTo63 || value < -kTwoTo63) return kOutOfRange;
  return static_cast<std::int64_t>(value);
}

}  // namespace rw
