#include "info/version/version_byte_source.h"

#include "info/version/version_bytes.h"

#include <algorithm>

namespace rw {

bool MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
  if (!RangeFits(offset, out.size(), bytes_.size())) return false;
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
  return true;
}

}  // namespace rw
