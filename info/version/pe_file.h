#pragma once

#include "info/version/version_byte_source.h"
#include "info/version/version_extent.h"
#include "info/version/version_parse_error.h"

namespace rw {

// True when the source starts like a PE file (the "MZ" of its DOS header).
bool LooksLikePeFile(const ByteSource& source);

// The file extent of the version resource of a PE file: type 16, its first
// name, that name's first language, mapped from RVA to file offset through the
// section table.
Parsed<FileExtent> FindPeVersionResource(const ByteSource& source);

}  // namespace rw
