#pragma once

// The on-disk records of a Portable Executable file that the version locator
// reads, with the format's own field names. Decode* take exactly the record's
// bytes (callers check the length); nothing here is validated yet.

#include "info/version/version_bytes.h"

#include <array>
#include <cstdint>
#include <span>

namespace rw::pe {

inline constexpr std::uint16_t kDosMagic = 0x5A4D;     // "MZ"
inline constexpr std::uint32_t kPeSignature = 0x4550;  // "PE\0\0"
inline constexpr std::uint16_t kMagicPe32 = 0x10B;
inline constexpr std::uint16_t kMagicPe32Plus = 0x20B;
inline constexpr std::uint32_t kResourceDirectoryIndex = 2;
inline constexpr std::uint32_t kVersionResourceType = 16;
inline constexpr std::uint32_t kHighBit = 0x80000000u;

struct DosHeader {
  static constexpr std::size_t kSize = 64;
  std::uint16_t e_magic;
  std::uint32_t e_lfanew;
};

inline DosHeader DecodeDosHeader(std::span<const std::uint8_t> b) {
  return {LoadU16(b, 0), LoadU32(b, 0x3C)};
}

// The signature and the COFF file header that follows it.
struct FileHeader {
  static constexpr std::size_t kSize = 24;
  std::uint32_t Signature;
  std::uint16_t Machine;
  std::uint16_t NumberOfSections;
  std::uint32_t TimeDateStamp;
  std::uint32_t PointerToSymbolTable;
  std::uint32_t NumberOfSymbols;
  std::uint16_t SizeOfOptionalHeader;
  std::uint16_t Characteristics;
};

inline FileHeader DecodeFileHeader(std::span<const std::uint8_t> b) {
  return {LoadU32(b, 0),  LoadU16(b, 4),  LoadU16(b, 6),  LoadU32(b, 8),
          LoadU32(b, 12), LoadU32(b, 16), LoadU16(b, 20), LoadU16(b, 22)};
}

// Where NumberOfRvaAndSizes and the data directories sit in each optional header.
inline constexpr std::size_t kPe32NumberOfRvaAndSizes = 92;
inline constexpr std::size_t kPe32PlusNumberOfRvaAndSizes = 108;

struct DataDirectory {
  static constexpr std::size_t kSize = 8;
  std::uint32_t VirtualAddress;
  std::uint32_t Size;
};

inline DataDirectory DecodeDataDirectory(std::span<const std::uint8_t> b) {
  return {LoadU32(b, 0), LoadU32(b, 4)};
}

struct SectionHeader {
  static constexpr std::size_t kSize = 40;
  std::array<std::uint8_t, 8> Name;
  std::uint32_t VirtualSize;
  std::uint32_t VirtualAddress;
  std::uint32_t SizeOfRawData;
  std::uint32_t PointerToRawData;
  std::uint32_t Characteristics;
};

inline SectionHeader DecodeSectionHeader(std::span<const std::uint8_t> b) {
  SectionHeader s{};
  for (std::size_t i = 0; i < s.Name.size(); ++i) s.Name[i] = b[i];
  s.VirtualSize = LoadU32(b, 8);
  s.VirtualAddress = LoadU32(b, 12);
  s.SizeOfRawData = LoadU32(b, 16);
  s.PointerToRawData = LoadU32(b, 20);
  s.Characteristics = LoadU32(b, 36);
  return s;
}

struct ResourceDirectory {
  static constexpr std::size_t kSize = 16;
  std::uint32_t Characteristics;
  std::uint32_t TimeDateStamp;
  std::uint16_t MajorVersion;
  std::uint16_t MinorVersion;
  std::uint16_t NumberOfNamedEntries;
  std::uint16_t NumberOfIdEntries;
};

inline ResourceDirectory DecodeResourceDirectory(std::span<const std::uint8_t> b) {
  return {LoadU32(b, 0),  LoadU32(b, 4),  LoadU16(b, 8),
          LoadU16(b, 10), LoadU16(b, 12), LoadU16(b, 14)};
}

// Name: an ID, or with the high bit a name's offset. OffsetToData: a data
// entry's offset, or with the high bit a subdirectory's; both relative to the
// start of the resource section.
struct ResourceDirectoryEntry {
  static constexpr std::size_t kSize = 8;
  std::uint32_t Name;
  std::uint32_t OffsetToData;
};

inline ResourceDirectoryEntry DecodeResourceDirectoryEntry(std::span<const std::uint8_t> b) {
  return {LoadU32(b, 0), LoadU32(b, 4)};
}

// OffsetToData here is an RVA, not a section offset.
struct ResourceDataEntry {
  static constexpr std::size_t kSize = 16;
  std::uint32_t OffsetToData;
  std::uint32_t Size;
  std::uint32_t CodePage;
  std::uint32_t Reserved;
};

inline ResourceDataEntry DecodeResourceDataEntry(std::span<const std::uint8_t> b) {
  return {LoadU32(b, 0), LoadU32(b, 4), LoadU32(b, 8), LoadU32(b, 12)};
}

}  // namespace rw::pe
