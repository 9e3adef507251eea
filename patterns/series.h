#pragma once

#include "platform/base/text.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rw {

// One image of the test series: how the command line names it, how the menu
// and the window title name it, the key that chooses it, and what paints it.
struct SeriesImage {
  std::string_view id;
  std::u16string_view menu_name;
  std::int64_t key;  // virtual key code: a digit or a capital letter
  // Runs inside an open session after the frame's clear (the nine images
  // end with the caption).
  void (*paint)();
  // Whether paint writes every pixel of the drawing area, so that a redraw
  // that may write pixels directly can leave out the clear before it.
  bool (*covers_area)();
};

// The nine images of the program without options, numbered 0 to 8, then the
// further images in the order they follow under SPACE.
std::span<const SeriesImage> TestSeries();

// The images the program shows without --full-screen or --pattern.
inline constexpr std::int64_t kBasicPatterns = 9;

// The image with number `pattern`, nullptr outside the series.
const SeriesImage* SeriesImageAt(std::int64_t pattern);

// The number of the image called `id`, nullopt for none.
std::optional<std::int64_t> SeriesNumberOf(std::string_view id);

// Every id in series order, separated by ", ".
std::string SeriesIdList();

// "id (key)" for every image, separated by commas, in lines of at most 78
// characters indented by two, each line ending in a newline.
std::string SeriesKeyList();

// The menu name as a text.
Text MenuName(const SeriesImage& image);

// The key as the menu shows it after "Taste ": the digit or the capital.
Text KeyName(const SeriesImage& image);

}  // namespace rw
