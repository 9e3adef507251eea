#include "platform/base/output_scale.h"

#include <numeric>

namespace rw {
namespace {

// Beyond this no size is a real output's; keeps the products below in range.
constexpr std::int64_t kMaxSize = std::int64_t{1} << 24;

bool Divides(std::int64_t mode, std::int64_t logical, DeviceScale scale) {
  return logical * scale.numerator % scale.denominator == 0 && DeviceSpan(logical, scale) == mode;
}

// Whether a compositor that cuts or rounds `mode` at `scale` to whole
// logical units gives `logical`.
bool GivesLength(std::int64_t mode, DeviceScale scale, std::int64_t logical) {
  const std::int64_t cut = mode * scale.denominator / scale.numerator;
  const std::int64_t rounded = (2 * mode * scale.denominator + scale.numerator) / (2 * scale.numerator);
  return logical == cut || logical == rounded;
}

}  // namespace

OutputScale ScaleOfOutput(std::int64_t mode_w, std::int64_t mode_h, std::int64_t logical_w, std::int64_t logical_h,
                          std::int64_t integer_scale) {
  const DeviceScale whole{integer_scale >= 1 && integer_scale <= 64 ? integer_scale : 1, 1};
  const bool sizes = mode_w > 0 && mode_h > 0 && logical_w > 0 && logical_h > 0 && mode_w < kMaxSize &&
                     mode_h < kMaxSize && logical_w < kMaxSize && logical_h < kMaxSize;
  if (!sizes || (logical_w == mode_w && logical_h == mode_h)) return {whole, DeviceScale{}, true, false};

  const DeviceScale step = ScaleFromSizes(mode_w, logical_w);
  if (Divides(mode_w, logical_w, step) && Divides(mode_h, logical_h, step)) return {step, step, true, false};
  const bool step_explains_sizes = GivesLength(mode_w, step, logical_w) && GivesLength(mode_h, step, logical_h);
  if (!step_explains_sizes && mode_w * logical_h == mode_h * logical_w) {
    const std::int64_t common = std::gcd(mode_w, logical_w);
    const DeviceScale ratio{mode_w / common, logical_w / common};
    return {ratio, ratio, true, true};
  }
  return {step, step, false, false};
}

}  // namespace rw
