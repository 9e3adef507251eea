#include "info/version/version_block.h"

#include "info/version/version_bytes.h"

#include <algorithm>

namespace rw {

namespace {

// Real blocks nest four deep (root, StringFileInfo, table, string).
constexpr int kMaxDepth = 16;

class BlockParser {
 public:
  explicit BlockParser(std::span<const std::uint8_t> block) : block_(block) {}
  // The node at pos, which must end by limit.
  Parsed<VersionNode> Node(std::uint64_t pos, std::uint64_t limit, int depth) const;

 private:
  Parsed<std::uint64_t> Key(std::uint64_t pos, std::uint64_t end, std::u16string& key) const;
  Parsed<std::uint64_t> Children(std::uint64_t pos, std::uint64_t end, int depth,
                                 VersionNode& node) const;

  std::span<const std::uint8_t> block_;
};

// Reads the zero-terminated key from pos; returns the offset after its zero.
Parsed<std::uint64_t> BlockParser::Key(std::uint64_t pos, std::uint64_t end,
                                       std::u16string& key) const {
  for (std::uint64_t at = pos; at + 2 <= end; at += 2) {
    const char16_t unit = LoadU16(block_, at);
    if (unit == 0) return at + 2;
    key.push_back(unit);
  }
  return Fail("key without terminating zero", pos);
}

Parsed<std::uint64_t> BlockParser::Children(std::uint64_t pos, std::uint64_t end, int depth,
                                            VersionNode& node) const {
  for (std::uint64_t at = AlignUp4(pos); at < end;) {
    Parsed<VersionNode> child = Node(at, end, depth + 1);
    if (!child.ok()) return child.error();
    const std::uint64_t length = LoadU16(block_, at);
    node.children.push_back(std::move(child.value()));
    at = AlignUp4(at + length);
  }
  return end;
}

Parsed<VersionNode> BlockParser::Node(std::uint64_t pos, std::uint64_t limit, int depth) const {
  if (depth > kMaxDepth) return Fail("nodes nested too deep", pos);
  if (!RangeFits(pos, VersionNodeHeader::kSize, limit)) {
    return Fail("node header runs past its parent", pos);
  }
  const VersionNodeHeader header{LoadU16(block_, pos), LoadU16(block_, pos + 2),
                                 LoadU16(block_, pos + 4)};
  if (header.wLength < VersionNodeHeader::kSize) return Fail("node shorter than its header", pos);
  if (!RangeFits(pos, header.wLength, limit)) return Fail("node runs past its parent", pos);
  if (header.wType > 1) return Fail("unknown value type", pos + 4);
  const std::uint64_t end = pos + header.wLength;

  VersionNode node;
  node.offset = pos;
  node.type = static_cast<VersionValueType>(header.wType);
  node.value_length = header.wValueLength;
  Parsed<std::uint64_t> key_end = Key(pos + VersionNodeHeader::kSize, end, node.key);
  if (!key_end.ok()) return key_end.error();

  const std::uint64_t value_at = std::min(AlignUp4(key_end.value()), end);
  const std::uint64_t wanted = node.type == VersionValueType::Text
                                   ? std::uint64_t{header.wValueLength} * 2
                                   : header.wValueLength;
  const std::uint64_t value_size = std::min(wanted, end - value_at);
  node.value = block_.subspan(value_at, value_size);
  Parsed<std::uint64_t> children = Children(value_at + value_size, end, depth, node);
  if (!children.ok()) return children.error();
  return node;
}

}  // namespace

Parsed<VersionNode> ParseVersionBlock(std::span<const std::uint8_t> block) {
  return BlockParser(block).Node(0, block.size(), 0);
}

}  // namespace rw
