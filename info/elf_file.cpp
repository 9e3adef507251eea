#include "info/elf_file.h"

#include "info/elf_raw.h"
#include "info/version_section.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace rw {

namespace {

using namespace elf;

// What the section walk needs from the file header.
struct ElfLayout {
  Class elf_class = Class::Elf64;
  ByteOrder order = ByteOrder::Little;
  std::uint64_t sections_at = 0;
  std::uint64_t section_count = 0;
  std::uint64_t entry_size = 0;
  std::uint64_t names_index = 0;
};

Parsed<SectionHeader> ReadSection(const ByteSource& source, const ElfLayout& layout,
                                  std::uint64_t index) {
  // ReadLayout has checked that the whole table fits in the file.
  const std::uint64_t at = layout.sections_at + index * layout.entry_size;
  std::array<std::uint8_t, 64> bytes{};
  const std::size_t size = SectionHeader::Size(layout.elf_class);
  if (!source.ReadAt(at, std::span(bytes).first(size))) {
    return Fail("section header runs past the end of the file", at);
  }
  return DecodeSectionHeader(bytes, layout.elf_class, layout.order);
}

Parsed<ElfLayout> ReadIdent(const ByteSource& source) {
  std::array<std::uint8_t, kIdentSize> ident{};
  if (!source.ReadAt(0, ident)) return Fail("ELF identification runs past the end of the file", 0);
  if (!std::equal(std::begin(kMagic), std::end(kMagic), ident.begin())) {
    return Fail("no ELF magic", 0);
  }
  const Ident id = DecodeIdent(ident);
  ElfLayout layout;
  if (id.ei_class == kClass32) {
    layout.elf_class = Class::Elf32;
  } else if (id.ei_class != kClass64) {
    return Fail("unknown ELF class", 4);
  }
  if (id.ei_data == kDataBig) {
    layout.order = ByteOrder::Big;
  } else if (id.ei_data != kDataLittle) {
    return Fail("unknown ELF byte order", 5);
  }
  return layout;
}

Parsed<ElfLayout> ReadLayout(const ByteSource& source) {
  Parsed<ElfLayout> parsed = ReadIdent(source);
  if (!parsed.ok()) return parsed;
  ElfLayout& layout = parsed.value();
  std::array<std::uint8_t, 64> bytes{};
  if (!source.ReadAt(0, std::span(bytes).first(Header::Size(layout.elf_class)))) {
    return Fail("ELF header runs past the end of the file", 0);
  }
  const Header header = DecodeHeader(bytes, layout.elf_class, layout.order);
  if (header.e_shoff == 0) return Fail("no section header table", 0);
  if (header.e_shentsize < SectionHeader::Size(layout.elf_class)) {
    return Fail("section header entries too small", 0);
  }
  layout.sections_at = header.e_shoff;
  layout.entry_size = header.e_shentsize;
  layout.section_count = header.e_shnum;
  layout.names_index = header.e_shstrndx;
  // Files with very many sections keep the real count and name-table index in
  // the first section header.
  if (header.e_shnum == 0 || header.e_shstrndx == kSectionIndexEscape) {
    layout.section_count = 1;
    Parsed<SectionHeader> first = ReadSection(source, layout, 0);
    if (!first.ok()) return first.error();
    if (header.e_shnum == 0) layout.section_count = first.value().sh_size;
    if (header.e_shstrndx == kSectionIndexEscape) layout.names_index = first.value().sh_link;
  }
  // Far more sections than any real file has would only make the walk slow.
  constexpr std::uint64_t kMaxSections = 1u << 20;
  if (layout.section_count > kMaxSections) return Fail("implausibly many sections", 0);
  if (!RangeFits(layout.sections_at, layout.section_count * layout.entry_size, source.Size())) {
    return Fail("section header table runs past the end of the file", layout.sections_at);
  }
  if (layout.names_index >= layout.section_count) {
    return Fail("section name table index out of range", 0);
  }
  return parsed;
}

// Whether the name at offset of the name table is exactly our section's name.
bool HasVersionName(const ByteSource& source, const SectionHeader& names, std::uint32_t offset) {
  constexpr std::size_t kLength = sizeof(kVersionSectionName);  // with its zero
  if (!RangeFits(offset, kLength, names.sh_size)) return false;
  std::array<std::uint8_t, kLength> bytes{};
  if (!source.ReadAt(names.sh_offset + offset, bytes)) return false;
  return std::memcmp(bytes.data(), kVersionSectionName, kLength) == 0;
}

}  // namespace

bool LooksLikeElfFile(const ByteSource& source) {
  std::array<std::uint8_t, 4> magic{};
  return source.ReadAt(0, magic) && std::equal(magic.begin(), magic.end(), std::begin(kMagic));
}

Parsed<FileExtent> FindElfVersionSection(const ByteSource& source) {
  Parsed<ElfLayout> layout = ReadLayout(source);
  if (!layout.ok()) return layout.error();
  Parsed<SectionHeader> names = ReadSection(source, layout.value(), layout.value().names_index);
  if (!names.ok()) return names.error();
  if (!RangeFits(names.value().sh_offset, names.value().sh_size, source.Size())) {
    return Fail("section name table runs past the end of the file", names.value().sh_offset);
  }
  for (std::uint64_t i = 0; i < layout.value().section_count; ++i) {
    Parsed<SectionHeader> section = ReadSection(source, layout.value(), i);
    if (!section.ok()) return section.error();
    const SectionHeader& s = section.value();
    if (s.sh_type == kSectionNoBits || !HasVersionName(source, names.value(), s.sh_name)) continue;
    if (!RangeFits(s.sh_offset, s.sh_size, source.Size())) {
      return Fail("version section runs past the end of the file", s.sh_offset);
    }
    return FileExtent{s.sh_offset, s.sh_size};
  }
  return Fail("no version section", layout.value().sections_at);
}

}  // namespace rw
