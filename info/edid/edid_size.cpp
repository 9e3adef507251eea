#include "info/edid/edid_size.h"

namespace rw {
namespace {

// No monitor or panel has a side shorter than this; televisions that state
// only their aspect ratio write 16 x 9 or 16 x 10 here.
constexpr int kSmallestRealSideMm = 25;

}  // namespace

std::optional<ImageSize> RealImageSize(int width_mm, int height_mm) {
  if (width_mm < kSmallestRealSideMm || height_mm < kSmallestRealSideMm) return std::nullopt;
  return ImageSize{width_mm, height_mm};
}

}  // namespace rw
