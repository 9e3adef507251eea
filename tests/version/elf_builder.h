#pragma once

// Builds small ELF files with named sections, for the version reader's tests.

#include "info/version/generator/version_block_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rw::test {

enum class ElfClass { Elf32, Elf64 };
enum class ElfOrder { Little, Big };

inline constexpr std::uint32_t kElfProgBits = 1;
inline constexpr std::uint32_t kElfNoBits = 8;

struct ElfSection {
  std::string name;
  std::uint32_t type = kElfProgBits;
  Bytes data;
};

// The built file and where its pieces sit, so tests can break them.
struct ElfImage {
  Bytes bytes;
  ElfClass elf_class = ElfClass::Elf64;
  ElfOrder order = ElfOrder::Little;
  std::size_t section_headers = 0;
  std::size_t section_header_size = 0;
  std::vector<std::size_t> data;  // file offset of each given section's data
  std::size_t names = 0;          // file offset of .shstrtab's data

  // File offset of the header of section i (0 is the null section, the given
  // sections follow, .shstrtab is last).
  std::size_t SectionHeader(std::size_t i) const {
    return section_headers + i * section_header_size;
  }
  void Put(std::size_t at, std::size_t width, std::uint64_t v);
};

ElfImage BuildElf(ElfClass elf_class, ElfOrder order, const std::vector<ElfSection>& sections);

}  // namespace rw::test
