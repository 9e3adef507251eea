#pragma once

#include <QString>

#include <cstdint>

namespace rw {

// Texts are UTF-16 throughout: QString gives copy on assignment, joining with
// +, and comparison unit by unit. A null QString (an absent text) compares
// equal to the empty text and has length 0, which is exactly the rule here.
using Text = QString;

// Decimal digits of n, "-" before negatives; INT64_MIN comes out right.
Text NumberToText(std::int64_t n);

// Number of UTF-16 code units (not a width in pixels).
inline std::int64_t TextLength(const Text& text) { return text.size(); }

}  // namespace rw
