#include "tests/version/elf_builder.h"

#include <algorithm>

namespace rw::test {

void ElfImage::Put(std::size_t at, std::size_t width, std::uint64_t v) {
  if (bytes.size() < at + width) bytes.resize(at + width);
  for (std::size_t i = 0; i < width; ++i) {
    const std::size_t to = order == ElfOrder::Little ? at + i : at + width - 1 - i;
    bytes[to] = static_cast<std::uint8_t>(v >> (8 * i));
  }
}

namespace {

std::size_t Align8(std::size_t n) { return (n + 7) / 8 * 8; }

struct FieldOffsets {
  std::size_t header_size, shoff, shentsize, shnum, shstrndx;
  std::size_t section_size, sh_offset, sh_size, sh_link, word;
};

constexpr FieldOffsets kElf64{64, 40, 58, 60, 62, 64, 24, 32, 40, 8};
constexpr FieldOffsets kElf32{52, 32, 46, 48, 50, 40, 16, 20, 24, 4};

}  // namespace

ElfImage BuildElf(ElfClass elf_class, ElfOrder order, const std::vector<ElfSection>& sections) {
  const FieldOffsets& f = elf_class == ElfClass::Elf64 ? kElf64 : kElf32;
  ElfImage image;
  image.elf_class = elf_class;
  image.order = order;
  image.section_header_size = f.section_size;

  // Names: the empty name first, then each section's, then ".shstrtab".
  std::string names(1, '\0');
  std::vector<std::size_t> name_at;
  for (const ElfSection& s : sections) {
    name_at.push_back(names.size());
    names += s.name + '\0';
  }
  const std::size_t own_name = names.size();
  names += std::string(".shstrtab") + '\0';

  Bytes& out = image.bytes;
  out.assign(f.header_size, 0);
  out[0] = 0x7F;
  out[1] = 'E';
  out[2] = 'L';
  out[3] = 'F';
  out[4] = elf_class == ElfClass::Elf64 ? 2 : 1;
  out[5] = order == ElfOrder::Little ? 1 : 2;
  out[6] = 1;
  image.Put(16, 2, 2);                                                  // e_type: executable
  image.Put(18, 2, elf_class == ElfClass::Elf64 ? 62 : 3);              // e_machine
  image.Put(20, 4, 1);                                                  // e_version
  image.Put(elf_class == ElfClass::Elf64 ? 52 : 40, 2, f.header_size);  // e_ehsize

  for (const ElfSection& s : sections) {
    out.resize(Align8(out.size()));
    image.data.push_back(out.size());
    if (s.type != kElfNoBits) out.insert(out.end(), s.data.begin(), s.data.end());
  }
  image.names = out.size();
  out.insert(out.end(), names.begin(), names.end());
  out.resize(Align8(out.size()));

  const std::size_t count = sections.size() + 2;
  image.section_headers = out.size();
  out.resize(out.size() + count * f.section_size, 0);
  image.Put(f.shoff, f.word, image.section_headers);
  image.Put(f.shentsize, 2, f.section_size);
  image.Put(f.shnum, 2, count);
  image.Put(f.shstrndx, 2, count - 1);
  auto put_section = [&](std::size_t index, std::size_t name, std::uint32_t type,
                         std::size_t offset, std::size_t size) {
    const std::size_t at = image.SectionHeader(index);
    image.Put(at, 4, name);
    image.Put(at + 4, 4, type);
    image.Put(at + f.sh_offset, f.word, offset);
    image.Put(at + f.sh_size, f.word, size);
  };
  for (std::size_t i = 0; i < sections.size(); ++i) {
    put_section(i + 1, name_at[i], sections[i].type, image.data[i], sections[i].data.size());
  }
  put_section(count - 1, own_name, 3, image.names, names.size());  // SHT_STRTAB
  return image;
}

}  // namespace rw::test
