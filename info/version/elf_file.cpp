#include "info/version/elf_file.h"

#include "info/version/elf_raw.h"
#include "info/version/version_section.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
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

// Far more sections, or a bigger table of them or of their names, than any
// real file has would only cost time and memory.
constexpr std::uint64_t kMaxSections = 1u << 20;
constexpr std::uint64_t kMaxSectionTableBytes = kMaxSections * 64;
constexpr std::uint64_t kMaxNameTableBytes = 16u << 20;
// Section headers are read this many bytes at a time (at least one header).
constexpr std::uint64_t kSectionReadBytes = 256u << 10;

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

// `size` bytes at `at` in one read; the caller has checked the size against
// its bound.
Parsed<std::vector<std::uint8_t>> ReadTable(const ByteSource& source, std::uint64_t at, std::uint64_t size,
                                            const char* what) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return Fail(what, at);
  }
  if (!source.ReadAt(at, bytes)) return Fail(what, at);
  return bytes;
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
  if (layout.section_count > kMaxSections) return Fail("implausibly many sections", 0);
  if (layout.section_count * layout.entry_size > kMaxSectionTableBytes) {
    return Fail("section header table implausibly large", layout.sections_at);
  }
  if (!RangeFits(layout.sections_at, layout.section_count * layout.entry_size, source.Size())) {
    return Fail("section header table runs past the end of the file", layout.sections_at);
  }
  if (layout.names_index >= layout.section_count) {
    return Fail("section name table index out of range", 0);
  }
  return parsed;
}

// Whether the name at offset of the name table is exactly our section's name.
bool HasVersionName(std::span<const std::uint8_t> names, std::uint32_t offset) {
  constexpr std::size_t kLength = sizeof(kVersionSectionName);  // with its zero
  if (!RangeFits(offset, kLength, names.size())) return false;
  return std::memcmp(names.data() + offset, kVersionSectionName, kLength) == 0;
}

}  // namespace

bool LooksLikeElfFile(const ByteSource& source) {
  std::array<std::uint8_t, 4> magic{};
  return source.ReadAt(0, magic) && std::equal(magic.begin(), magic.end(), std::begin(kMagic));
}

Parsed<FileExtent> FindElfVersionSection(const ByteSource& source) {
  Parsed<ElfLayout> parsed = ReadLayout(source);
  if (!parsed.ok()) return parsed.error();
  const ElfLayout& layout = parsed.value();
  Parsed<SectionHeader> names = ReadSection(source, layout, layout.names_index);
  if (!names.ok()) return names.error();
  if (!RangeFits(names.value().sh_offset, names.value().sh_size, source.Size())) {
    return Fail("section name table runs past the end of the file", names.value().sh_offset);
  }
  if (names.value().sh_size > kMaxNameTableBytes) {
    return Fail("section name table implausibly large", names.value().sh_offset);
  }
  const Parsed<std::vector<std::uint8_t>> name_table =
      ReadTable(source, names.value().sh_offset, names.value().sh_size, "section name table cannot be read");
  if (!name_table.ok()) return name_table.error();
  // The headers come in a few large reads into one reused buffer: a read per
  // header made a file with a million sections take seconds.
  const std::size_t header_size = SectionHeader::Size(layout.elf_class);
  const std::uint64_t per_read = std::max<std::uint64_t>(1, kSectionReadBytes / layout.entry_size);
  std::vector<std::uint8_t> chunk;
  for (std::uint64_t first = 0; first < layout.section_count; first += per_read) {
    const std::uint64_t count = std::min(per_read, layout.section_count - first);
    chunk.resize(count * layout.entry_size);
    if (!source.ReadAt(layout.sections_at + first * layout.entry_size, chunk)) {
      return Fail("section header table cannot be read", layout.sections_at + first * layout.entry_size);
    }
    for (std::uint64_t i = 0; i < count; ++i) {
      const auto bytes = std::span(chunk).subspan(i * layout.entry_size, header_size);
      const SectionHeader s = DecodeSectionHeader(bytes, layout.elf_class, layout.order);
      if (s.sh_type == kSectionNoBits || !HasVersionName(name_table.value(), s.sh_name)) continue;
      if (!RangeFits(s.sh_offset, s.sh_size, source.Size())) {
        return Fail("version section runs past the end of the file", s.sh_offset);
      }
      return FileExtent{s.sh_offset, s.sh_size};
    }
  }
  return Fail("no version section", layout.sections_at);
}

}  // namespace rw
