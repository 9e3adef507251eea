#include "info/version/pe_file.h"

#include "info/version/pe_raw.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace rw {

namespace {

using namespace pe;

// Reads and decodes one record at offset, or names what ran past the end.
template <typename Record, typename Decode>
Parsed<Record> ReadRecord(const ByteSource& source, std::uint64_t offset, const char* what,
                          Decode decode) {
  std::array<std::uint8_t, Record::kSize> bytes{};
  if (!source.ReadAt(offset, bytes)) {
    return Fail(std::string(what) + " runs past the end of the file", offset);
  }
  return decode(std::span<const std::uint8_t>(bytes));
}

// What the resource walk needs from the headers.
struct PeLayout {
  DataDirectory resources{};
  std::uint64_t resources_at = 0;  // file offset of that data directory entry
  std::vector<SectionHeader> sections;
  std::uint64_t sections_at = 0;
};

Parsed<std::uint64_t> OptionalHeaderCountOffset(const ByteSource& source, std::uint64_t at) {
  std::array<std::uint8_t, 2> magic{};
  if (!source.ReadAt(at, magic)) return Fail("optional header runs past the end of the file", at);
  switch (LoadU16(magic, 0)) {
    case kMagicPe32:
      return std::uint64_t{kPe32NumberOfRvaAndSizes};
    case kMagicPe32Plus:
      return std::uint64_t{kPe32PlusNumberOfRvaAndSizes};
    default:
      return Fail("unknown optional header magic", at);
  }
}

Parsed<std::vector<SectionHeader>> ReadSectionTable(const ByteSource& source, std::uint64_t at,
                                                    std::uint16_t count) {
  const std::uint64_t length = std::uint64_t{count} * SectionHeader::kSize;
  if (!RangeFits(at, length, source.Size())) {
    return Fail("section table runs past the end of the file", at);
  }
  std::vector<std::uint8_t> bytes(length);
  if (!source.ReadAt(at, bytes)) return Fail("section table cannot be read", at);
  std::vector<SectionHeader> sections;
  sections.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    sections.push_back(DecodeSectionHeader(
        std::span<const std::uint8_t>(bytes).subspan(i * SectionHeader::kSize)));
  }
  return sections;
}

Parsed<PeLayout> ReadLayout(const ByteSource& source) {
  Parsed<DosHeader> dos = ReadRecord<DosHeader>(source, 0, "DOS header", DecodeDosHeader);
  if (!dos.ok()) return dos.error();
  if (dos.value().e_magic != kDosMagic) return Fail("no DOS header magic", 0);
  const std::uint64_t file_at = dos.value().e_lfanew;
  Parsed<FileHeader> file =
      ReadRecord<FileHeader>(source, file_at, "file header", DecodeFileHeader);
  if (!file.ok()) return file.error();
  if (file.value().Signature != kPeSignature) return Fail("no PE signature", file_at);

  const std::uint64_t optional_at = file_at + FileHeader::kSize;
  Parsed<std::uint64_t> count_offset = OptionalHeaderCountOffset(source, optional_at);
  if (!count_offset.ok()) return count_offset.error();
  const std::uint64_t directories = count_offset.value() + 4;
  const std::uint64_t needed = directories + (kResourceDirectoryIndex + 1) * DataDirectory::kSize;
  if (file.value().SizeOfOptionalHeader < needed) {
    return Fail("optional header too short to hold the resource directory", optional_at);
  }
  std::array<std::uint8_t, 4> count{};
  if (!source.ReadAt(optional_at + count_offset.value(), count)) {
    return Fail("optional header runs past the end of the file", optional_at);
  }
  if (LoadU32(count, 0) <= kResourceDirectoryIndex) {
    return Fail("no resource directory among the data directories", optional_at);
  }

  PeLayout layout;
  layout.resources_at = optional_at + directories + kResourceDirectoryIndex * DataDirectory::kSize;
  Parsed<DataDirectory> resources = ReadRecord<DataDirectory>(
      source, layout.resources_at, "resource data directory", DecodeDataDirectory);
  if (!resources.ok()) return resources.error();
  layout.resources = resources.value();
  layout.sections_at = optional_at + file.value().SizeOfOptionalHeader;
  Parsed<std::vector<SectionHeader>> sections =
      ReadSectionTable(source, layout.sections_at, file.value().NumberOfSections);
  if (!sections.ok()) return sections.error();
  layout.sections = std::move(sections.value());
  return layout;
}

// File offset of [rva, rva + length), which must lie in one section's file
// data; `where` is the file offset the RVA was read from, for the error.
Parsed<std::uint64_t> RvaToFileOffset(const PeLayout& layout, std::uint64_t file_size,
                                      std::uint32_t rva, std::uint32_t length,
                                      std::uint64_t where) {
  for (const SectionHeader& s : layout.sections) {
    // Raw data past VirtualSize is file alignment padding, not mapped.
    const std::uint32_t span =
        s.VirtualSize == 0 ? s.SizeOfRawData : std::min(s.VirtualSize, s.SizeOfRawData);
    if (rva < s.VirtualAddress || !RangeFits(rva - s.VirtualAddress, length, span)) continue;
    const std::uint64_t offset = std::uint64_t{s.PointerToRawData} + (rva - s.VirtualAddress);
    if (!RangeFits(offset, length, file_size)) {
      return Fail("section data runs past the end of the file", where);
    }
    return offset;
  }
  return Fail("RVA " + std::to_string(rva) + " with length " + std::to_string(length) +
                  " lies in no section's file data",
              where);
}

// Reads directories of the resource tree; all offsets are relative to the
// tree's start and must stay inside the resource data directory.
class ResourceTree {
 public:
  ResourceTree(const ByteSource& source, std::uint64_t base, std::uint32_t size)
      : source_(source), base_(base), size_(size) {}

  // The entry with ID id in the directory at offset.
  Parsed<ResourceDirectoryEntry> EntryWithId(std::uint32_t offset, std::uint32_t id) const;
  // The directory's first entry, named or not.
  Parsed<ResourceDirectoryEntry> FirstEntry(std::uint32_t offset) const;
  Parsed<ResourceDataEntry> DataEntry(std::uint32_t offset) const;
  std::uint64_t FileOffset(std::uint32_t offset) const { return base_ + offset; }

 private:
  Parsed<std::uint32_t> EntryCount(std::uint32_t offset) const;
  Parsed<ResourceDirectoryEntry> Entry(std::uint32_t offset, std::uint32_t index) const;

  const ByteSource& source_;
  std::uint64_t base_;
  std::uint32_t size_;
};

Parsed<std::uint32_t> ResourceTree::EntryCount(std::uint32_t offset) const {
  if (!RangeFits(offset, ResourceDirectory::kSize, size_)) {
    return Fail("resource directory lies outside the resource data", FileOffset(offset));
  }
  Parsed<ResourceDirectory> dir = ReadRecord<ResourceDirectory>(
      source_, FileOffset(offset), "resource directory", DecodeResourceDirectory);
  if (!dir.ok()) return dir.error();
  const std::uint32_t count =
      std::uint32_t{dir.value().NumberOfNamedEntries} + dir.value().NumberOfIdEntries;
  const std::uint64_t entries = std::uint64_t{offset} + ResourceDirectory::kSize;
  if (!RangeFits(entries, std::uint64_t{count} * ResourceDirectoryEntry::kSize, size_)) {
    return Fail("resource directory entries lie outside the resource data", FileOffset(offset));
  }
  return count;
}

Parsed<ResourceDirectoryEntry> ResourceTree::Entry(std::uint32_t offset,
                                                   std::uint32_t index) const {
  // EntryCount has checked that every entry lies inside size_, hence in 32 bits.
  const std::uint64_t at = FileOffset(offset) + ResourceDirectory::kSize +
                           std::uint64_t{index} * ResourceDirectoryEntry::kSize;
  return ReadRecord<ResourceDirectoryEntry>(source_, at, "resource directory entry",
                                            DecodeResourceDirectoryEntry);
}

Parsed<ResourceDirectoryEntry> ResourceTree::EntryWithId(std::uint32_t offset,
                                                         std::uint32_t id) const {
  Parsed<std::uint32_t> count = EntryCount(offset);
  if (!count.ok()) return count.error();
  for (std::uint32_t i = 0; i < count.value(); ++i) {
    Parsed<ResourceDirectoryEntry> entry = Entry(offset, i);
    if (!entry.ok()) return entry;
    if ((entry.value().Name & kHighBit) == 0 && entry.value().Name == id) return entry;
  }
  return Fail("no resource of type " + std::to_string(id), FileOffset(offset));
}

Parsed<ResourceDirectoryEntry> ResourceTree::FirstEntry(std::uint32_t offset) const {
  Parsed<std::uint32_t> count = EntryCount(offset);
  if (!count.ok()) return count.error();
  if (count.value() == 0) return Fail("empty resource directory", FileOffset(offset));
  return Entry(offset, 0);
}

Parsed<ResourceDataEntry> ResourceTree::DataEntry(std::uint32_t offset) const {
  if (!RangeFits(offset, ResourceDataEntry::kSize, size_)) {
    return Fail("resource data entry lies outside the resource data", FileOffset(offset));
  }
  return ReadRecord<ResourceDataEntry>(source_, FileOffset(offset), "resource data entry",
                                       DecodeResourceDataEntry);
}

// The subdirectory an entry points to; a data entry there is an error.
Parsed<std::uint32_t> Subdirectory(const Parsed<ResourceDirectoryEntry>& entry,
                                   std::uint64_t where) {
  if (!entry.ok()) return entry.error();
  if ((entry.value().OffsetToData & kHighBit) == 0) {
    return Fail("resource entry points to data where a directory belongs", where);
  }
  return entry.value().OffsetToData & ~kHighBit;
}

}  // namespace

bool LooksLikePeFile(const ByteSource& source) {
  std::array<std::uint8_t, 2> magic{};
  return source.ReadAt(0, magic) && LoadU16(magic, 0) == kDosMagic;
}

Parsed<FileExtent> FindPeVersionResource(const ByteSource& source) {
  Parsed<PeLayout> layout = ReadLayout(source);
  if (!layout.ok()) return layout.error();
  const PeLayout& pe = layout.value();
  if (pe.resources.VirtualAddress == 0 || pe.resources.Size == 0) {
    return Fail("no resources", pe.resources_at);
  }
  Parsed<std::uint64_t> base = RvaToFileOffset(pe, source.Size(), pe.resources.VirtualAddress,
                                               pe.resources.Size, pe.resources_at);
  if (!base.ok()) return base.error();
  const ResourceTree tree(source, base.value(), pe.resources.Size);

  // The tree has exactly three levels (type, name, language), so following
  // one entry per level ends even when the offsets form a loop.
  Parsed<std::uint32_t> names =
      Subdirectory(tree.EntryWithId(0, kVersionResourceType), tree.FileOffset(0));
  if (!names.ok()) return names.error();
  Parsed<std::uint32_t> languages =
      Subdirectory(tree.FirstEntry(names.value()), tree.FileOffset(names.value()));
  if (!languages.ok()) return languages.error();
  Parsed<ResourceDirectoryEntry> language = tree.FirstEntry(languages.value());
  if (!language.ok()) return language.error();
  if ((language.value().OffsetToData & kHighBit) != 0) {
    return Fail("resource entry points to a directory where data belongs",
                tree.FileOffset(languages.value()));
  }
  Parsed<ResourceDataEntry> data = tree.DataEntry(language.value().OffsetToData);
  if (!data.ok()) return data.error();
  const std::uint64_t data_at = tree.FileOffset(language.value().OffsetToData);
  Parsed<std::uint64_t> offset =
      RvaToFileOffset(pe, source.Size(), data.value().OffsetToData, data.value().Size, data_at);
  if (!offset.ok()) return offset.error();
  return FileExtent{offset.value(), data.value().Size};
}

}  // namespace rw
