#pragma once

#include <cstdint>
#include <numeric>

namespace rw {

// A desktop's scale factor from its logical units (what a Wayland
// compositor positions windows in) to device pixels, as the exact fraction
// numerator / denominator in lowest terms: 1.5 is 3/2, 1.25 is 5/4.
struct DeviceScale {
  std::int64_t numerator = 1;
  std::int64_t denominator = 1;

  bool IsOne() const { return numerator == denominator; }
  bool IsInteger() const { return denominator == 1; }
  double Value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
  bool operator==(const DeviceScale&) const = default;
};

// Compositors scale in steps of 1/120; the factor is taken as the nearest
// such step to device / logical, which a truncated logical size (1920 px at
// 1.75 is 1097 logical) only approximates. Sizes that are not positive give 1.
inline DeviceScale ScaleFromSizes(std::int64_t device_px, std::int64_t logical) {
  if (device_px <= 0 || logical <= 0 || device_px > (std::int64_t{1} << 30)) return {};
  std::int64_t steps = (device_px * 120 + logical / 2) / logical;
  if (steps < 1) steps = 1;
  const std::int64_t common = std::gcd(steps, std::int64_t{120});
  return {steps / common, 120 / common};
}

// The logical length that covers `device_px` device pixels and is itself a
// whole number of device pixels at `scale`: the smallest multiple of the
// denominator whose scaled length reaches device_px. A compositor that
// rounds positions to device pixels then maps such a span onto exactly
// DeviceSpan() pixels wherever the window lies.
inline std::int64_t LogicalSpan(std::int64_t device_px, DeviceScale scale) {
  if (device_px <= 0) return 0;
  const std::int64_t n = scale.numerator;
  const std::int64_t d = scale.denominator;
  const std::int64_t logical = (device_px * d + n - 1) / n;
  return (logical + d - 1) / d * d;
}

// Device pixels of a logical length that LogicalSpan gave.
inline std::int64_t DeviceSpan(std::int64_t logical, DeviceScale scale) {
  return logical * scale.numerator / scale.denominator;
}

// A device length in logical units, rounded to the nearest (for positions
// and sizes of controls, which Qt draws itself).
inline std::int64_t RoundedLogical(std::int64_t device_px, DeviceScale scale) {
  const std::int64_t n = scale.numerator;
  const std::int64_t d = scale.denominator;
  const std::int64_t twice = 2 * device_px * d;
  return twice >= 0 ? (twice + n) / (2 * n) : -((-twice + n) / (2 * n));
}

}  // namespace rw
