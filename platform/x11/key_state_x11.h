#pragma once

#include <cstdint>
#include <optional>

namespace rw {

// The X server's answer for `virtual_key` (one of KeyIsDown's codes), or
// nothing when the program does not run on an X11 connection.
std::optional<bool> X11KeyIsDown(std::int64_t virtual_key);

}  // namespace rw
