#pragma once

#include "info/version/version_byte_source.h"
#include "platform/base/text.h"

#include <cstdint>
#include <filesystem>

namespace rw {

// The text of one field (code as in VersionKeyName) of the version block of
// the file at path, or the empty text when anything on the way fails. The
// file is read afresh on every call.
Text ReadVersionField(std::int64_t code, const Text& path);
// The same for a path as the file system's bytes.
Text ReadVersionField(std::int64_t code, const std::filesystem::path& path);

// The same for a file already opened, or bytes in memory.
Text ReadVersionFieldFrom(std::int64_t code, const ByteSource& source);

// The FileVersion of the running program's own file, or the empty text.
Text OwnFileVersion();

}  // namespace rw
