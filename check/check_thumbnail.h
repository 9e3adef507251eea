#pragma once

#include <cstdint>
#include <vector>

class QImage;

namespace rw {

// `image` scaled smoothly to `width_px` (its aspect kept, at least one row)
// as PNG bytes; empty for a null image or when the PNG cannot be made.
std::vector<std::uint8_t> ThumbnailPng(const QImage& image, int width_px);

}  // namespace rw
