#pragma once

#include "info/edid/edid_info.h"
#include "info/version/version_parse_error.h"

#include <cstdint>
#include <span>

namespace rw {

// Reads an EDID: the base block and the extension blocks it announces, as
// far as they are present. Fails only without a whole base block that
// starts with the EDID header; every other fault is a warning in the result
// and the fields that are still sane are kept.
Parsed<EdidInfo> ParseEdid(std::span<const std::uint8_t> bytes);

}  // namespace rw
