#include "info/version/generator/version_block_writer.h"

#include <stdexcept>

namespace rw {

namespace {

void PutU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(Bytes& out, std::uint32_t v) {
  PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

void PadTo4(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

Bytes Utf16Bytes(const std::u16string& text) {
  Bytes out;
  for (char16_t unit : text) PutU16(out, unit);
  return out;
}

}  // namespace

VersionNodeDraft TextNode(std::u16string key, const std::u16string& text) {
  Bytes value = Utf16Bytes(text);
  PutU16(value, 0);
  const auto units = static_cast<std::uint16_t>(text.size() + 1);
  return {std::move(key), 1, std::move(value), units, {}};
}

VersionNodeDraft BinaryNode(std::u16string key, Bytes value) {
  const auto length = static_cast<std::uint16_t>(value.size());
  return {std::move(key), 0, std::move(value), length, {}};
}

VersionNodeDraft ParentNode(std::u16string key, std::vector<VersionNodeDraft> children) {
  return {std::move(key), 1, {}, 0, std::move(children)};
}

Bytes SerialiseVersionNode(const VersionNodeDraft& node) {
  Bytes out(6, 0);  // header, filled in at the end
  for (char16_t unit : node.key) PutU16(out, unit);
  PutU16(out, 0);
  PadTo4(out);
  out.insert(out.end(), node.value.begin(), node.value.end());
  for (const VersionNodeDraft& child : node.children) {
    PadTo4(out);
    const Bytes bytes = SerialiseVersionNode(child);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  if (out.size() > 0xFFFF) throw std::length_error("version node longer than 65535 bytes");
  const auto length = static_cast<std::uint16_t>(out.size());
  const std::uint16_t header[3] = {length, node.value_length, node.type};
  for (int i = 0; i < 3; ++i) {
    out[2 * i] = static_cast<std::uint8_t>(header[i] & 0xFF);
    out[2 * i + 1] = static_cast<std::uint8_t>(header[i] >> 8);
  }
  return out;
}

bool ParseProgramVersion(const std::string& text, ProgramVersion& version) {
  std::uint16_t* parts[] = {&version.major, &version.minor, &version.patch, &version.tweak};
  version = {};
  std::size_t part = 0;
  std::uint32_t value = 0;
  bool digits = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
      if (value > 0xFFFF) return false;
      digits = true;
    } else if (c == '.' && digits && part < 3) {
      *parts[part++] = static_cast<std::uint16_t>(value);
      value = 0;
      digits = false;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  *parts[part] = static_cast<std::uint16_t>(value);
  return true;
}

Bytes FixedFileInfo(const ProgramVersion& version) {
  constexpr std::uint32_t kSignature = 0xFEEF04BD;
  constexpr std::uint32_t kStructureVersion = 0x00010000;
  constexpr std::uint32_t kFlagsMask = 0x3F;
  constexpr std::uint32_t kOsUnknown = 0;  // not a Windows file
  constexpr std::uint32_t kTypeApplication = 1;
  const std::uint32_t ms = (std::uint32_t{version.major} << 16) | version.minor;
  const std::uint32_t ls = (std::uint32_t{version.patch} << 16) | version.tweak;
  Bytes out;
  for (std::uint32_t v :
       {kSignature, kStructureVersion, ms, ls, ms, ls, kFlagsMask, std::uint32_t{0}, kOsUnknown,
        kTypeApplication, std::uint32_t{0}, std::uint32_t{0}, std::uint32_t{0}}) {
    PutU32(out, v);
  }
  return out;
}

VersionNodeDraft ProgramVersionBlock(
    const ProgramVersion& version, const std::u16string& table_name,
    const std::vector<std::pair<std::u16string, std::u16string>>& strings,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations) {
  std::vector<VersionNodeDraft> entries;
  for (const auto& [key, text] : strings) entries.push_back(TextNode(key, text));
  Bytes translation;
  for (const auto& [language, code_page] : translations) {
    PutU16(translation, language);
    PutU16(translation, code_page);
  }
  VersionNodeDraft root = BinaryNode(u"VS_VERSION_INFO", FixedFileInfo(version));
  root.children.push_back(
      ParentNode(u"StringFileInfo", {ParentNode(table_name, std::move(entries))}));
  root.children.push_back(
      ParentNode(u"VarFileInfo", {BinaryNode(u"Translation", std::move(translation))}));
  return root;
}

}  // namespace rw
