#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rw {

// True when [offset, offset + length) lies inside [0, size); never overflows.
constexpr bool RangeFits(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

// Rounds up to the next multiple of 4; saturates instead of wrapping.
constexpr std::uint64_t AlignUp4(std::uint64_t n) {
  return n > UINT64_MAX - 3 ? UINT64_MAX : (n + 3) & ~std::uint64_t{3};
}

enum class ByteOrder { Little, Big };

// Unsigned load of `width` bytes at pos; callers check that they fit.
constexpr std::uint64_t LoadUnsigned(std::span<const std::uint8_t> bytes, std::size_t pos,
                                     std::size_t width, ByteOrder order) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const std::size_t at = order == ByteOrder::Little ? pos + width - 1 - i : pos + i;
    v = (v << 8) | bytes[at];
  }
  return v;
}

constexpr std::uint16_t LoadU16(std::span<const std::uint8_t> b, std::size_t pos,
                                ByteOrder order = ByteOrder::Little) {
  return static_cast<std::uint16_t>(LoadUnsigned(b, pos, 2, order));
}
constexpr std::uint32_t LoadU32(std::span<const std::uint8_t> b, std::size_t pos,
                                ByteOrder order = ByteOrder::Little) {
  return static_cast<std::uint32_t>(LoadUnsigned(b, pos, 4, order));
}
constexpr std::uint64_t LoadU64(std::span<const std::uint8_t> b, std::size_t pos,
                                ByteOrder order = ByteOrder::Little) {
  return LoadUnsigned(b, pos, 8, order);
}

}  // namespace rw
