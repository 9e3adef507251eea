#pragma once

// The on-disk records of an ELF file that the version locator reads, with the
// format's own field names. 32- and 64-bit records decode into the same
// structs (the wider field types); callers check the lengths.

#include "info/version/version_bytes.h"

#include <cstdint>
#include <span>

namespace rw::elf {

inline constexpr std::uint8_t kMagic[4] = {0x7F, 'E', 'L', 'F'};
inline constexpr std::size_t kIdentSize = 16;
inline constexpr std::uint8_t kClass32 = 1;
inline constexpr std::uint8_t kClass64 = 2;
inline constexpr std::uint8_t kDataLittle = 1;
inline constexpr std::uint8_t kDataBig = 2;
inline constexpr std::uint16_t kSectionIndexEscape = 0xFFFF;  // SHN_XINDEX
inline constexpr std::uint32_t kSectionNoBits = 8;            // SHT_NOBITS

enum class Class { Elf32, Elf64 };

struct Ident {
  std::uint8_t ei_class;
  std::uint8_t ei_data;
};

inline Ident DecodeIdent(std::span<const std::uint8_t> b) { return {b[4], b[5]}; }

struct Header {
  static constexpr std::size_t Size(Class c) { return c == Class::Elf64 ? 64 : 52; }
  std::uint64_t e_shoff;
  std::uint16_t e_shentsize;
  std::uint16_t e_shnum;
  std::uint16_t e_shstrndx;
};

inline Header DecodeHeader(std::span<const std::uint8_t> b, Class c, ByteOrder o) {
  if (c == Class::Elf64)
    return {LoadU64(b, 40, o), LoadU16(b, 58, o), LoadU16(b, 60, o), LoadU16(b, 62, o)};
  return {LoadU32(b, 32, o), LoadU16(b, 46, o), LoadU16(b, 48, o), LoadU16(b, 50, o)};
}

struct SectionHeader {
  static constexpr std::size_t Size(Class c) { return c == Class::Elf64 ? 64 : 40; }
  std::uint32_t sh_name;
  std::uint32_t sh_type;
  std::uint64_t sh_offset;
  std::uint64_t sh_size;
  std::uint32_t sh_link;
};

inline SectionHeader DecodeSectionHeader(std::span<const std::uint8_t> b, Class c, ByteOrder o) {
  if (c == Class::Elf64) {
    return {LoadU32(b, 0, o), LoadU32(b, 4, o), LoadU64(b, 24, o), LoadU64(b, 32, o),
            LoadU32(b, 40, o)};
  }
  return {LoadU32(b, 0, o), LoadU32(b, 4, o), LoadU32(b, 16, o), LoadU32(b, 20, o),
          LoadU32(b, 24, o)};
}

}  // namespace rw::elf
