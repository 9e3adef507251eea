// Feeds arbitrary bytes to the EDID parser. Any crash, hang or out-of-bounds
// read is a bug, and so is a result that breaks the parser's promises;
// built with -DRW_FUZZ=ON it is a libFuzzer target.

#include "info/edid/edid_parse.h"
#include "info/edid/pnp_makers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void Check(bool promise) {
  if (!promise) std::abort();
}

void CheckSize(const std::optional<rw::ImageSize>& size) {
  if (size) Check(size->width_mm >= 25 && size->height_mm >= 25);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rw::Parsed<rw::EdidInfo> parsed = rw::ParseEdid(std::span<const std::uint8_t>(data, size));
  if (!parsed.ok()) {
    Check(!parsed.error().what.empty());
    return 0;
  }
  const rw::EdidInfo& info = parsed.value();
  Check(size >= 128);
  Check(info.manufacturer_id.empty() || info.manufacturer_id.size() == 3);
  (void)rw::MakerName(info.manufacturer_id);
  Check(info.extension_blocks >= 0 && static_cast<std::size_t>(info.extension_blocks) * 128 + 128 <= size);
  CheckSize(info.image_size);
  CheckSize(info.screen_size);
  for (const rw::EdidTiming& t : info.timings) {
    Check(t.width > 0 && t.height > 0 && t.pixel_clock_khz >= 10000);
    Check(std::isfinite(t.refresh_hz) && t.refresh_hz >= 10 && t.refresh_hz <= 1000);
    Check(t.block >= 0 && t.block <= info.extension_blocks && t.number >= 1);
    CheckSize(t.image_size);
  }
  Check(info.preferred.has_value() == !info.timings.empty());
  Check(info.native.has_value() == (info.native_source != rw::NativeSource::None));
  if (info.native) Check(info.native->width > 0 && info.native->height > 0);
  if (info.tiles) {
    Check(info.tiles->column < info.tiles->columns && info.tiles->row < info.tiles->rows);
    Check(info.native && info.native_source == rw::NativeSource::Declared);
  }
  Check(!(info.screen_size_is_ratio && info.screen_size));
  if (info.sizes_disagree) Check(info.image_size && !rw::PanelDiagonalInches(info));
  if (const auto ppi = rw::PanelPixelDensity(info)) Check(std::isfinite(*ppi) && *ppi > 0);
  if (info.name) Check(!info.name->empty() && info.name->size() <= 13);
  (void)rw::SerialText(info);
  return 0;
}
