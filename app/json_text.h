#pragma once

#include <string>

namespace rw {

// The shortest of up to `decimals` decimals: 1, 1.25, 59.79, 98.102.
std::string ShortNumber(double value, int decimals = 3);

// `text` as a JSON string, quoted, with quotes, backslashes and control
// characters escaped.
std::string JsonString(const std::string& text);

}  // namespace rw
