#include "info/edid/edid_info.h"

#include <cmath>

namespace rw {

std::string SerialText(const EdidInfo& info) {
  if (!info.serial_text.empty()) return info.serial_text;
  if (info.serial_number != 0) return std::to_string(info.serial_number);
  return {};
}

double DiagonalInches(const ImageSize& size) {
  return std::hypot(static_cast<double>(size.width_mm), static_cast<double>(size.height_mm)) / 25.4;
}

std::optional<double> PanelDiagonalInches(const EdidInfo& info) {
  if (!info.image_size || info.sizes_disagree) return std::nullopt;
  return DiagonalInches(*info.image_size);
}

std::optional<double> PanelPixelDensity(const EdidInfo& info) {
  const std::optional<double> diagonal = PanelDiagonalInches(info);
  if (!diagonal || !info.native) return std::nullopt;
  return std::hypot(double{1} * info.native->width, double{1} * info.native->height) / *diagonal;
}

}  // namespace rw
