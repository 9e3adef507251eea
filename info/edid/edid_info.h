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
  int block = 0;   // index of the 128-byte block it came from
  int number = 0;  // its place among the timings of that block, from 1
};

struct Resolution {
  int width = 0;  // pixels
  int height = 0;
  friend bool operator==(const Resolution&, const Resolution&) = default;
};

// How the panel's native resolution is known: the EDID declares it (the
// first timing with the "preferred timing is native" bit, a DisplayID
// timing marked preferred, or a tiled topology), or it is guessed as the
// largest timing of an EDID older than 1.4 that marks none.
enum class NativeSource { None, Declared, Guessed };

// One connector's place in a panel driven as several tiles.
struct EdidTiles {
  int columns = 1;  // tiles across the panel
  int rows = 1;
  int column = 0;   // this connector's tile, from 0
  int row = 0;
  Resolution tile;  // pixels of one tile
  friend bool operator==(const EdidTiles&, const EdidTiles&) = default;
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
  bool screen_size_is_ratio = false;     // an HDMI data block says the base size is only a ratio
  // The panel's size: a detailed timing's, else screen_size; the whole
  // panel's for a tiled one. Where the timing's and the base block's sizes
  // disagree, the base block's, with sizes_disagree set.
  std::optional<ImageSize> image_size;
  bool sizes_disagree = false;  // by more than a factor 1.5: no diagonal or density
  std::optional<EdidRangeLimits> range_limits;
  std::vector<EdidTiming> timings;  // every usable detailed timing, in block order
  std::optional<EdidTiming> preferred;
  std::optional<Resolution> native;  // the whole panel's, for a tiled one
  NativeSource native_source = NativeSource::None;
  std::optional<EdidTiles> tiles;
  int extension_blocks = 0;           // extension blocks read
  std::vector<std::string> warnings;  // checksums and other faults that did not stop the parse
};

// The serial number as people read it: the descriptor's text, else the
// number in decimal, else empty.
std::string SerialText(const EdidInfo& info);

// Diagonal in inches of a size in millimetres.
double DiagonalInches(const ImageSize& size);

// The panel's diagonal and pixels per inch at its native resolution;
// nullopt without a size, with sizes that disagree, or (density) without a
// native resolution.
std::optional<double> PanelDiagonalInches(const EdidInfo& info);
std::optional<double> PanelPixelDensity(const EdidInfo& info);

}  // namespace rw
