#include "info/edid/edid_descriptors.h"

#include "info/edid/edid_raw.h"
#include "info/edid/edid_size.h"
#include "info/edid/edid_timing_check.h"

namespace rw {

using namespace edid;

std::optional<EdidTiming> DetailedTimingFrom(std::span<const std::uint8_t> descriptor,
                                             TimingSource source, int block, int number) {
  const DetailedTimingDescriptor d = DecodeDetailedTiming(descriptor);
  if (d.pixel_clock == 0 || d.horizontal_addressable == 0 || d.vertical_addressable == 0) {
    return std::nullopt;
  }
  EdidTiming t;
  t.interlaced = (d.signal_interface & 0x80) != 0;
  t.width = d.horizontal_addressable;
  // An interlaced timing counts the lines of one field.
  t.height = t.interlaced ? 2 * d.vertical_addressable : d.vertical_addressable;
  t.pixel_clock_khz = std::int64_t{d.pixel_clock} * 10;
  const double total_h = static_cast<double>(d.horizontal_addressable) + d.horizontal_blanking;
  double total_v = static_cast<double>(d.vertical_addressable) + d.vertical_blanking;
  if (t.interlaced) total_v += 0.5;
  t.refresh_hz = t.pixel_clock_khz * 1000.0 / (total_h * total_v);
  t.image_size = RealImageSize(d.horizontal_addressable_image_size, d.vertical_addressable_image_size);
  t.source = source;
  t.block = block;
  t.number = number;
  return t;
}

std::string DescriptorText(std::span<const std::uint8_t> descriptor) {
  std::string text;
  for (std::size_t k = 0; k < kDescriptorTextSize; ++k) {
    const std::uint8_t c = descriptor[kDescriptorTextOffset + k];
    if (c < 0x20 || c >= 0x7F) break;  // the line feed that ends the text, or garbage
    text.push_back(static_cast<char>(c));
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

namespace {

EdidRangeLimits RangeLimitsFrom(std::span<const std::uint8_t> descriptor) {
  const DisplayRangeLimits r = DecodeRangeLimits(descriptor);
  // The offset bits add 255 to a rate; the minimum's bit counts only
  // together with the maximum's.
  const auto with = [&](std::uint8_t value, int bit) { return value + ((r.offsets >> bit) & 1) * 255; };
  EdidRangeLimits limits;
  limits.max_vertical_hz = with(r.maximum_vertical_rate, 0);
  limits.min_vertical_hz = (r.offsets & 0x03) == 0x03 ? r.minimum_vertical_rate + 255 : r.minimum_vertical_rate;
  limits.max_horizontal_khz = with(r.maximum_horizontal_rate, 2);
  limits.min_horizontal_khz = (r.offsets & 0x0C) == 0x0C ? r.minimum_horizontal_rate + 255 : r.minimum_horizontal_rate;
  limits.max_pixel_clock_mhz = r.maximum_pixel_clock * 10;
  return limits;
}

}  // namespace

void ReadDescriptor(std::span<const std::uint8_t> descriptor, int block, int number, EdidInfo& info) {
  const TimingSource source = block == 0 ? TimingSource::BaseBlock : TimingSource::CtaExtension;
  if (LoadU16(descriptor, 0) != 0) {
    const auto timing = DetailedTimingFrom(descriptor, source, block, number);
    if (timing && PlausibleTiming(*timing, info.warnings)) info.timings.push_back(*timing);
    return;
  }
  switch (descriptor[3]) {
    case kTagProductSerialNumber:
      if (info.serial_text.empty()) info.serial_text = DescriptorText(descriptor);
      break;
    case kTagProductName:
      if (!info.name) {
        std::string name = DescriptorText(descriptor);
        if (!name.empty()) info.name = std::move(name);
      }
      break;
    case kTagAlphanumericDataString:
      info.data_strings.push_back(DescriptorText(descriptor));
      break;
    case kTagDisplayRangeLimits:
      if (!info.range_limits) info.range_limits = RangeLimitsFrom(descriptor);
      break;
    default:
      break;
  }
}

}  // namespace rw
