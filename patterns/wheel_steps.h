#pragma once

#include <cstdint>
#include <functional>

namespace rw {

// The parameter word of the most recent window event; the window services
// install the function that reads it. Without one every event reads as 0.
using EventWordSource = std::function<std::int64_t()>;
void SetEventWordSource(EventWordSource source);

// Wheel notches of the most recent event: the high 16 bits of its parameter
// word, read as a signed delta of 120 per notch (positive away from the
// user), give -(delta / 120), truncated toward zero.
std::int16_t WheelSteps();

// The notches that a given parameter word carries.
std::int16_t WheelStepsOf(std::int64_t parameter_word);

}  // namespace rw
