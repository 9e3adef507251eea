#pragma once

#include "info/version/version_parse_error.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rw {

enum class VersionValueType : std::uint16_t { Binary = 0, Text = 1 };

// The header every node of a version block starts with, as stored.
struct VersionNodeHeader {
  static constexpr std::size_t kSize = 6;
  std::uint16_t wLength;       // bytes of the node, children included
  std::uint16_t wValueLength;  // UTF-16 units for a text value, bytes for a binary one
  std::uint16_t wType;         // 1 text, 0 binary
};

// One node of a parsed block. The value views the block's bytes, so the
// block must outlive the tree.
struct VersionNode {
  std::u16string key;
  VersionValueType type = VersionValueType::Binary;
  std::uint16_t value_length = 0;  // as recorded in wValueLength
  // The value's bytes as far as the node holds them; a recorded length that
  // runs past the node's end is cut there (some writers count text in bytes).
  std::span<const std::uint8_t> value;
  std::uint64_t offset = 0;  // where the node starts in the block
  std::vector<VersionNode> children;
};

// Parses the whole node tree of a version block. Lengths that run past their
// parent, keys without their zero and trees nested implausibly deep are errors.
Parsed<VersionNode> ParseVersionBlock(std::span<const std::uint8_t> block);

}  // namespace rw
