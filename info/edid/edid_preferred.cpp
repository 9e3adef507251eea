#include "info/edid/edid_preferred.h"

#include <algorithm>

namespace rw {
namespace {

bool FromDisplayId(const EdidTiming& t) {
  return t.source == TimingSource::DisplayIdTypeI || t.source == TimingSource::DisplayIdTypeVII;
}

bool FirstOfBlock0(const EdidTiming& t) { return t.source == TimingSource::BaseBlock && t.number == 1; }

}  // namespace

std::optional<EdidTiming> ChoosePreferredTiming(const EdidInfo& info, bool first_is_preferred) {
  const auto& timings = info.timings;
  if (timings.empty()) return std::nullopt;
  const auto marked = std::find_if(timings.begin(), timings.end(),
                                   [](const EdidTiming& t) { return t.marked_preferred && FromDisplayId(t); });
  if (marked != timings.end()) return *marked;
  if (first_is_preferred && FirstOfBlock0(timings.front())) return timings.front();
  const auto area = [](const EdidTiming& t) { return std::int64_t{t.width} * t.height; };
  const auto largest = std::max_element(timings.begin(), timings.end(),
                                        [&](const EdidTiming& a, const EdidTiming& b) { return area(a) < area(b); });
  return *largest;
}

void ChooseNativeResolution(EdidInfo& info, bool first_is_native, bool edid_1_4) {
  if (info.tiles) {
    const EdidTiles& t = *info.tiles;
    info.native = Resolution{t.tile.width * t.columns, t.tile.height * t.rows};
    info.native_source = NativeSource::Declared;
    return;
  }
  if (!info.preferred) return;
  const EdidTiming& p = *info.preferred;
  const bool declared = (p.marked_preferred && FromDisplayId(p)) || (first_is_native && FirstOfBlock0(p));
  // EDID 1.4 without the bit says that it names no native format; one that
  // sets the bit on a first timing that is missing or unusable, or an older
  // EDID, leaves the largest timing as the best guess.
  if (!declared && edid_1_4 && !first_is_native) return;
  info.native = Resolution{p.width, p.height};
  info.native_source = declared ? NativeSource::Declared : NativeSource::Guessed;
}

}  // namespace rw
