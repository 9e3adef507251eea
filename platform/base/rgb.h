#pragma once

#include <cstdint>

namespace rw {

// A 24-bit colour: red in bits 0 to 7, green 8 to 15, blue 16 to 23.
using Colour = std::int64_t;

// Packs the components on 32 bits without clamping or masking, so a
// component above 255 spills into the next channel; widened with its sign.
constexpr Colour Rgb(std::int64_t red, std::int64_t green, std::int64_t blue) {
  const auto r = static_cast<std::uint32_t>(red);
  const auto g = static_cast<std::uint32_t>(green);
  const auto b = static_cast<std::uint32_t>(blue);
  return static_cast<std::int32_t>(r | (g << 8) | (b << 16));
}

}  // namespace rw
