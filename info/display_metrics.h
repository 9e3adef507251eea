#pragma once

#include <cstdint>

namespace rw {

// Measures the primary display once: sets MetricsText, RatioText,
// ScreenWidth (width - 6) and ScreenHeight (height - 66). Without any
// display the program ends here, quietly.
void ReadDisplayMetrics();

// Sets RatioText to a:b reduced by their greatest common divisor.
void BuildRatioText(std::int64_t a, std::int64_t b);

}  // namespace rw
