#pragma once

#include "info/version/version_block.h"
#include "platform/base/text.h"

#include <optional>

namespace rw {

// A value found by a query: its type, its recorded length and its bytes.
struct VersionValue {
  VersionValueType type = VersionValueType::Binary;
  std::uint16_t length = 0;
  std::span<const std::uint8_t> bytes;
};

// Finds the value that path names below root. Path pieces are separated by
// backslashes; empty pieces are skipped (so "\\A\\\\B" names A then B) and
// keys are compared without regard to case. A path of separators only names
// the root's own value.
std::optional<VersionValue> QueryVersionValue(const VersionNode& root, const Text& path);

// The text of a text value: it ends at the value's first zero, at its recorded
// length, or where its bytes end, whichever comes first.
Text VersionValueText(const VersionValue& value);

}  // namespace rw
