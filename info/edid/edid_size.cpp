#include "info/edid/edid_size.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace rw {
namespace {

// No monitor or panel has a side shorter than this; televisions that state
// only their aspect ratio write 16 x 9 or 16 x 10 here.
constexpr int kSmallestRealSideMm = 25;

// Sizes further apart than this on either side are no rounding or bezel:
// one of them is a placeholder.
constexpr double kLargestAgreeingFactor = 1.5;

bool Agree(const ImageSize& a, const ImageSize& b) {
  const auto factor = [](int x, int y) { return std::max(x, y) / static_cast<double>(std::min(x, y)); };
  return factor(a.width_mm, b.width_mm) <= kLargestAgreeingFactor &&
         factor(a.height_mm, b.height_mm) <= kLargestAgreeingFactor;
}

ImageSize TimesTiles(const ImageSize& size, const EdidTiles& tiles) {
  return {size.width_mm * tiles.columns, size.height_mm * tiles.rows};
}

// A tiled panel's size as the EDID gives it may be the whole panel's or one
// tile's; it is the one whose shape is nearer the panel's in pixels.
ImageSize WholePanel(const ImageSize& size, const EdidTiles& tiles, const Resolution& native) {
  const ImageSize times = TimesTiles(size, tiles);
  const double shape = std::log(static_cast<double>(native.width) / native.height);
  const auto off = [&](const ImageSize& s) {
    return std::abs(std::log(static_cast<double>(s.width_mm) / s.height_mm) - shape);
  };
  return off(times) < off(size) ? times : size;
}

std::string Millimetres(const ImageSize& s) {
  return std::to_string(s.width_mm) + " x " + std::to_string(s.height_mm) + " mm";
}

}  // namespace

std::optional<ImageSize> RealImageSize(int width_mm, int height_mm) {
  if (width_mm < kSmallestRealSideMm || height_mm < kSmallestRealSideMm) return std::nullopt;
  return ImageSize{width_mm, height_mm};
}

void ChooseImageSize(EdidInfo& info, int screen_width_cm, int screen_height_cm,
                     std::optional<edid::HdmiImageSize> hdmi) {
  const int unit_mm = hdmi == edid::HdmiImageSize::FiveCentimetres ? 50 : 10;
  info.screen_size_is_ratio = hdmi == edid::HdmiImageSize::AspectRatioOnly && screen_width_cm > 0 && screen_height_cm > 0;
  info.screen_size = info.screen_size_is_ratio
                         ? std::nullopt
                         : RealImageSize(screen_width_cm * unit_mm, screen_height_cm * unit_mm);

  // The preferred timing's size, else that of the first base-block timing
  // that gives a real one.
  const EdidTiming* sized = info.preferred && info.preferred->image_size ? &*info.preferred : nullptr;
  for (const EdidTiming& t : info.timings) {
    if (sized) break;
    if (t.source == TimingSource::BaseBlock && t.image_size) sized = &t;
  }
  std::optional<ImageSize> timing_size = sized ? sized->image_size : std::nullopt;
  // Where the base size is only a ratio, a timing that repeats its numbers
  // in millimetres (144 x 81 cm, 1440 x 810 mm) names the same ratio.
  if (info.screen_size_is_ratio && timing_size == ImageSize{screen_width_cm * 10, screen_height_cm * 10}) {
    timing_size.reset();
  }

  if (timing_size && info.screen_size && !Agree(*timing_size, *info.screen_size) &&
      !(info.tiles && Agree(TimesTiles(*timing_size, *info.tiles), *info.screen_size))) {
    info.warnings.push_back("image size " + Millimetres(*timing_size) + " of detailed timing " +
                            std::to_string(sized->number) + " in block " + std::to_string(sized->block) +
                            " disagrees with the base block's " + Millimetres(*info.screen_size));
    info.sizes_disagree = true;
    info.image_size = info.screen_size;
    return;
  }
  info.image_size = timing_size ? timing_size : info.screen_size;
  if (info.image_size && info.tiles && info.native) {
    info.image_size = WholePanel(*info.image_size, *info.tiles, *info.native);
  }
}

}  // namespace rw
