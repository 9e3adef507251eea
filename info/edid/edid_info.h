#pragma once

// What an EDID says about a monitor, cleaned: sizes that are not real sizes
// are absent, texts are trimmed, and the panel's preferred timing is chosen.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

struct ImageSize {
  int width_mm = 0;
  int height_mm = 0;
  friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

enum class TimingSource { BaseBlock, CtaExtension, DisplayIdTypeI, DisplayIdTypeVII };

struct EdidTiming {
  int width = 0;   // pixels
  int height = 0;  // lines of the frame (both fields when interlaced)
  double refresh_hz = 0;
  std::int64_t pixel_clock_khz = 0;
  bool interlaced = false;
  bool marked_preferred = false;         // a DisplayID timing's own flag
  std::optional<ImageSize> image_size;  // a detailed timing's size, when real
  TimingSource source = TimingSource::BaseBlock;
  int block = 0;  // index of the 128-byte block it came from
};

struct EdidRangeLimits {
  int min_vertical_hz = 0;
  int max_vertical_hz = 0;
  int min_horizontal_khz = 0;
  int max_horizontal_khz = 0;
  int max_pixel_clock_mhz = 0;
};

struct EdidInfo {
  int version = 0;
  int revision = 0;
  std::string manufacturer_id;  // three letters, empty when the letters are invalid
  std::uint16_t product_code = 0;
  std::uint32_t serial_number = 0;  // 0: none given
  std::string serial_text;          // from the serial-number descriptor
  int week = 0;                     // 0: not given
  int year = 0;
  bool model_year = false;          // year names the model, not the manufacture
  std::optional<std::string> name;  // the product-name descriptor
  std::vector<std::string> data_strings;
  std::optional<ImageSize> screen_size;  // the base block's size (whole cm), when real
  std::optional<ImageSize> image_size;   // best real size: a detailed timing's, else screen_size
  std::optional<EdidRangeLimits> range_limits;
  std::vector<EdidTiming> timings;  // every detailed timing, in block order
  std::optional<EdidTiming> preferred;
  int extension_blocks = 0;           // extension blocks read
  std::vector<std::string> warnings;  // checksums and other faults that did not stop the parse
};

// The serial number as people read it: the descriptor's text, else the
// number in decimal, else empty.
std::string SerialText(const EdidInfo& info);

// Diagonal in inches of a size in millimetres.
double DiagonalInches(const ImageSize& size);

}  // namespace rw
