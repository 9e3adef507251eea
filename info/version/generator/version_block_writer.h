#pragma once

// Builds version blocks byte by byte. Used by the build to generate our own
// programs' block and by the tests to make blocks of every shape; it needs
// nothing but the standard library.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rw {

using Bytes = std::vector<std::uint8_t>;

// One node before serialisation. value_length is written as given, so a test
// can record a length that disagrees with the value.
struct VersionNodeDraft {
  std::u16string key;
  std::uint16_t type = 0;  // 1 text, 0 binary
  Bytes value;
  std::uint16_t value_length = 0;
  std::vector<VersionNodeDraft> children;
};

// A node with a text value; its length counts UTF-16 units with the zero.
VersionNodeDraft TextNode(std::u16string key, const std::u16string& text);
// A node with a binary value; its length counts bytes.
VersionNodeDraft BinaryNode(std::u16string key, Bytes value);
// A node that only holds children.
VersionNodeDraft ParentNode(std::u16string key, std::vector<VersionNodeDraft> children);

// The node as stored: header, key, padding to 4, value, padding to 4, then
// each child on a 4-byte boundary. wLength leaves out the padding after the
// last piece. Throws std::length_error when a node outgrows 16 bits.
Bytes SerialiseVersionNode(const VersionNodeDraft& node);

// Version numbers of the fixed file information, major.minor.patch.tweak.
struct ProgramVersion {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t patch = 0;
  std::uint16_t tweak = 0;
};

// Parses "1", "1.0", "1.2.3" or "1.2.3.4"; false on anything else.
bool ParseProgramVersion(const std::string& text, ProgramVersion& version);

// The 52 bytes of fixed file information of an application, starting with
// the signature 0xFEEF04BD.
Bytes FixedFileInfo(const ProgramVersion& version);

// A complete block: the root keyed VS_VERSION_INFO with the fixed file
// information, one string table named table_name (with the given strings),
// and a Translation holding the given language and code-page pairs.
VersionNodeDraft ProgramVersionBlock(
    const ProgramVersion& version, const std::u16string& table_name,
    const std::vector<std::pair<std::u16string, std::u16string>>& strings,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations);

}  // namespace rw
