#pragma once

#include <cstdint>

class QImage;

namespace rw {

// The numbered off-screen images. Pixels are stored as QImage::Format_RGB32
// (0xFFRRGGBB per pixel), which Qt shows without conversion; every colour
// keeps its 8 bits per channel, so the colour depth is 24 bits.

// Creates (or re-creates) image `number`, black; non-zero on success, 0 when
// the size is not positive or the pixel memory cannot be had.
std::int64_t CreateImage(std::int64_t number, std::int64_t width_px, std::int64_t height_px);

// The image itself, or nullptr for an unknown number. Creates nothing.
QImage* ImageHandle(std::int64_t number);

// Releases every image (the platform shutdown calls it).
void ReleaseAllImages();

}  // namespace rw
