#pragma once

#include <cstdint>

namespace rw {

// Where a file keeps its version block: byte offset and length in the file.
struct FileExtent {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

}  // namespace rw
