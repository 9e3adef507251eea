#pragma once

#include "platform/base/text.h"

#include <cstdint>
#include <filesystem>

namespace rw {

// Size of the file in bytes; -1 for an empty name or a missing file, -2 for a
// directory. Trailing slashes and backslashes of path are ignored.
std::int64_t FileSize(const Text& path);
std::int64_t FileSize(const std::filesystem::path& path);

}  // namespace rw
