#include "info/version/elf_file.h"
#include "info/version/version_reader.h"
#include "tests/version/elf_builder.h"
#include "tests/version/temp_files.h"
#include "tests/version/test_blocks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace rw {
namespace {

using namespace rw::test;

Parsed<FileExtent> Find(const Bytes& bytes) {
  return FindElfVersionSection(MemoryByteSource(bytes));
}

// Passes reads through and counts them.
class CountingSource final : public ByteSource {
 public:
  explicit CountingSource(const Bytes& bytes) : inner_(bytes) {}
  std::uint64_t Size() const override { return inner_.Size(); }
  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override {
    ++reads;
    return inner_.ReadAt(offset, out);
  }
  mutable int reads = 0;

 private:
  MemoryByteSource inner_;
};

// The most sections a file may have (the count escaped into section 0), all
// named from a 1 MiB name table, none of them ours.
Bytes MillionSections() {
  constexpr std::uint64_t kSections = 1u << 20;
  constexpr std::size_t kTable = 1u << 20;  // the headers start after the names
  Bytes bytes(kTable + kSections * 64, 0);
  const std::uint8_t ident[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
  std::copy(std::begin(ident), std::end(ident), bytes.begin());
  const auto put = [&bytes](std::size_t at, std::size_t width, std::uint64_t v) {
    for (std::size_t k = 0; k < width; ++k) bytes[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  put(40, 8, kTable);         // e_shoff
  put(58, 2, 64);             // e_shentsize
  put(60, 2, 0);              // e_shnum: see section 0
  put(62, 2, 0);              // e_shstrndx: section 0 is also the name table
  put(kTable + 24, 8, 0);     // its sh_offset: the names are the file's first MiB
  put(kTable + 32, 8, kSections);  // its sh_size: the count and the name table's size
  return bytes;
}

TEST(FindElfVersionSection, ReadsTheTablesOfAMillionSectionsInLargeReads) {
  const Bytes bytes = MillionSections();
  const CountingSource source(bytes);
  const Parsed<FileExtent> extent = FindElfVersionSection(source);
  ASSERT_FALSE(extent.ok());
  EXPECT_EQ(extent.error().what, std::string("no version section"));
  // 64 MiB of headers in reads of 256 KiB, not a read or two per section.
  EXPECT_LE(source.reads, 300);

  // The same from a file, through the whole reader; the bound only guards
  // against a hang, the time itself is measured by the benchmark.
  const TempFiles files;
  const Text path = files.Write(u"sections.elf"_qs, bytes);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadVersionField(1, path), u"");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(FindElfVersionSection, RefusesTablesBeyondTheirBounds) {
  Bytes bytes = MillionSections();
  bytes[58] = 0;  // e_shentsize 256: a 256 MiB table
  bytes[59] = 1;
  const Parsed<FileExtent> huge = Find(bytes);
  ASSERT_FALSE(huge.ok());
  EXPECT_EQ(huge.error().what, std::string("section header table implausibly large"));
}

const ElfClass kClasses[] = {ElfClass::Elf32, ElfClass::Elf64};
const ElfOrder kOrders[] = {ElfOrder::Little, ElfOrder::Big};

TEST(FindElfVersionSection, FindsTheSectionInEveryClassAndByteOrder) {
  const Bytes block = GermanBlock();
  for (ElfClass c : kClasses) {
    for (ElfOrder o : kOrders) {
      const ElfImage image =
          BuildElf(c, o, {{".text", kElfProgBits, {0xC3}}, {".rw_version", kElfProgBits, block}});
      EXPECT_TRUE(LooksLikeElfFile(MemoryByteSource(image.bytes)));
      const Parsed<FileExtent> extent = Find(image.bytes);
      ASSERT_TRUE(extent.ok()) << extent.error().Describe();
      EXPECT_EQ(extent.value().offset, image.data[1]);
      EXPECT_EQ(extent.value().size, block.size());
    }
  }
}

TEST(FindElfVersionSection, MatchesTheWholeNameAndSkipsSectionsWithoutBytes) {
  const ElfImage image = BuildElf(ElfClass::Elf64, ElfOrder::Little,
                                  {{".rw_versio", kElfProgBits, {1}},
                                   {".rw_version.x", kElfProgBits, {2}},
                                   {".rw_version", kElfNoBits, {3}},
                                   {".rw_version", kElfProgBits, {4, 4}}});
  const Parsed<FileExtent> extent = Find(image.bytes);
  ASSERT_TRUE(extent.ok()) << extent.error().Describe();
  EXPECT_EQ(extent.value().offset, image.data[3]);
  EXPECT_EQ(extent.value().size, 2u);
}

TEST(FindElfVersionSection, ReadsCountAndNameIndexFromTheFirstHeaderWhenEscaped) {
  for (ElfClass c : kClasses) {
    ElfImage image = BuildElf(c, ElfOrder::Big, {{".rw_version", kElfProgBits, {7, 7, 7}}});
    const bool wide = c == ElfClass::Elf64;
    image.Put(wide ? 60 : 48, 2, 0);                                        // e_shnum
    image.Put(wide ? 62 : 50, 2, 0xFFFF);                                   // e_shstrndx
    image.Put(image.SectionHeader(0) + (wide ? 32 : 20), wide ? 8 : 4, 3);  // sh_size
    image.Put(image.SectionHeader(0) + (wide ? 40 : 24), 4, 2);             // sh_link
    const Parsed<FileExtent> extent = Find(image.bytes);
    ASSERT_TRUE(extent.ok()) << extent.error().Describe();
    EXPECT_EQ(extent.value().offset, image.data[0]);
  }
}

struct Breakage {
  const char* what;
  std::function<void(ElfImage&)> patch;
  std::function<std::uint64_t(const ElfImage&)> error_offset;
};

TEST(FindElfVersionSection, RejectsBrokenFilesAndSaysWhere) {
  // Offsets of the ELF64 header fields patched below.
  constexpr std::size_t kShoff = 40, kShentsize = 58, kShnum = 60, kShstrndx = 62;
  const Breakage cases[] = {
      {"no version section", [](ElfImage& i) { i.bytes[i.names + 8] = 'x'; },
       [](const ElfImage& i) { return i.section_headers; }},
      {"truncated identification", [](ElfImage& i) { i.bytes.resize(10); },
       [](const ElfImage&) { return 0; }},
      {"unknown class", [](ElfImage& i) { i.bytes[4] = 3; }, [](const ElfImage&) { return 4; }},
      {"unknown byte order", [](ElfImage& i) { i.bytes[5] = 0; },
       [](const ElfImage&) { return 5; }},
      {"no section table", [](ElfImage& i) { i.Put(kShoff, 8, 0); },
       [](const ElfImage&) { return 0; }},
      {"section table past the end", [](ElfImage& i) { i.Put(kShoff, 8, ~std::uint64_t{0} - 8); },
       [](const ElfImage&) { return ~std::uint64_t{0} - 8; }},
      {"too many sections", [](ElfImage& i) { i.Put(kShnum, 2, 0xFF00); },
       [](const ElfImage& i) { return i.section_headers; }},
      {"entries too small", [](ElfImage& i) { i.Put(kShentsize, 2, 40); },
       [](const ElfImage&) { return 0; }},
      {"name table index out of range", [](ElfImage& i) { i.Put(kShstrndx, 2, 9); },
       [](const ElfImage&) { return 0; }},
      {"name table past the end",
       [](ElfImage& i) { i.Put(i.SectionHeader(3) + 24, 8, 0xFFFFFFFFFFFF); },
       [](const ElfImage&) { return 0xFFFFFFFFFFFF; }},
      {"version section past the end",
       [](ElfImage& i) { i.Put(i.SectionHeader(2) + 32, 8, 0x100000); },
       [](const ElfImage& i) { return i.data[1]; }},
      {"escaped count beyond any file",
       [](ElfImage& i) {
         i.Put(kShnum, 2, 0);
         i.Put(i.SectionHeader(0) + 32, 8, ~std::uint64_t{0} / 64);
       },
       [](const ElfImage&) { return 0; }},
  };
  for (const Breakage& c : cases) {
    ElfImage image =
        BuildElf(ElfClass::Elf64, ElfOrder::Little,
                 {{".text", kElfProgBits, {0xC3}}, {".rw_version", kElfProgBits, GermanBlock()}});
    c.patch(image);
    const Parsed<FileExtent> extent = Find(image.bytes);
    ASSERT_FALSE(extent.ok()) << c.what;
    EXPECT_EQ(extent.error().offset, c.error_offset(image))
        << c.what << ": " << extent.error().Describe();
  }
}

}  // namespace
}  // namespace rw
