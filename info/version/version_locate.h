#pragma once

#include "info/version/version_byte_source.h"
#include "info/version/version_extent.h"
#include "info/version/version_parse_error.h"

namespace rw {

// Where the file keeps its version block: the version resource of a PE file
// or our own section of an ELF file. Any other file has none.
Parsed<FileExtent> LocateVersionBlock(const ByteSource& source);

}  // namespace rw
