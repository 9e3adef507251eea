#pragma once

#include "info/version/version_block.h"
#include "platform/base/text.h"

namespace rw {

// The string table name that the block's first translation entry selects:
// language then code page, four upper-case hex digits each ("000004B0").
// Empty when the block has no Translation value of at least one entry.
Text TranslationTableName(const VersionNode& root);

}  // namespace rw
