#pragma once

#include "platform/base/float_to_int.h"

#include <cstdint>

namespace rw {

// Half of a size as the patterns take it: divided by 2.0 and truncated.
inline std::int64_t Half(std::int64_t size) { return FloatToInt(static_cast<double>(size) / 2.0); }

}  // namespace rw
