#pragma once

#include <cstdint>

namespace rw {

// Virtual key codes that KeyIsDown answers for: SPACE, Backspace, and the
// main keyboard's digits and letters (a letter's code is its capital).
inline constexpr std::int64_t kBackspaceKey = 0x08;
inline constexpr std::int64_t kSpaceKey = 0x20;
inline constexpr std::int64_t kDigitKey0 = 0x30;
inline constexpr std::int64_t kDigitKey9 = 0x39;
inline constexpr std::int64_t kLetterKeyA = 0x41;
inline constexpr std::int64_t kLetterKeyZ = 0x5A;

}  // namespace rw
