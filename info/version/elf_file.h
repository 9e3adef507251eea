#pragma once

#include "info/version/version_byte_source.h"
#include "info/version/version_extent.h"
#include "info/version/version_parse_error.h"

namespace rw {

// True when the source starts with the ELF magic.
bool LooksLikeElfFile(const ByteSource& source);

// The file extent of our version section in a 32- or 64-bit ELF file of
// either byte order.
Parsed<FileExtent> FindElfVersionSection(const ByteSource& source);

}  // namespace rw
