#pragma once

#include "platform/base/text.h"

#include <cstdint>

namespace rw {

// The version key that code selects ("FileVersion" for 1, ...), or the empty
// text for any other code; codes are single bits and never combined.
Text VersionKeyName(std::int64_t code);

}  // namespace rw
