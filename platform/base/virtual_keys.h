#pragma once

#include <cstdint>

namespace rw {

// Virtual key codes that KeyIsDown answers for: SPACE and the main
// keyboard's digits.
inline constexpr std::int64_t kSpaceKey = 0x20;
inline constexpr std::int64_t kDigitKey0 = 0x30;
inline constexpr std::int64_t kDigitKey9 = 0x39;

}  // namespace rw
