#include "info/version/pe_file.h"
#include "tests/version/pe_builder.h"
#include "tests/version/test_blocks.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

using namespace rw::test;

Parsed<FileExtent> Find(const Bytes& bytes) {
  return FindPeVersionResource(MemoryByteSource(bytes));
}

TEST(FindPeVersionResource, FindsTheBlockInBothHeaderFormats) {
  const Bytes block = GermanBlock();
  for (PeFormat format : {PeFormat::Pe32, PeFormat::Pe32Plus}) {
    const PeImage image = BuildPeWithVersion(block, format);
    EXPECT_TRUE(LooksLikePeFile(MemoryByteSource(image.bytes)));
    const Parsed<FileExtent> extent = Find(image.bytes);
    ASSERT_TRUE(extent.ok()) << extent.error().Describe();
    EXPECT_EQ(extent.value().offset, image.data[0]);
    EXPECT_EQ(extent.value().size, block.size());
  }
}

TEST(FindPeVersionResource, TakesTypeSixteenThenTheFirstNameAndLanguage) {
  const Bytes a = {1}, b = {2, 2}, c = {3, 3, 3}, icon = {4, 4, 4, 4};
  const PeImage image = BuildPe({
      PeResourceType{0, u"VERSION", {PeResourceName{1, {}, {PeLanguage{0, icon}}}}},
      PeResourceType{3, {}, {PeResourceName{1, {}, {PeLanguage{0, icon}}}}},
      PeResourceType{16,
                     {},
                     {PeResourceName{0, u"ABC", {PeLanguage{0x409, a}, PeLanguage{0x407, b}}},
                      PeResourceName{1, {}, {PeLanguage{0, c}}}}},
  });
  const Parsed<FileExtent> extent = Find(image.bytes);
  ASSERT_TRUE(extent.ok()) << extent.error().Describe();
  EXPECT_EQ(extent.value().offset, image.data[2]);
  EXPECT_EQ(extent.value().size, 1u);
}

struct Breakage {
  const char* what;
  std::function<void(PeImage&)> patch;
  std::function<std::uint64_t(const PeImage&)> error_offset;
};

// Directory order of BuildPeWithVersion: root (types), names, languages.
constexpr std::size_t kTypes = 0, kNames = 1, kLanguages = 2;

std::size_t EntryOf(const PeImage& image, std::size_t directory) {
  return image.directories[directory] + 16;
}

TEST(FindPeVersionResource, RejectsBrokenFilesAndSaysWhere) {
  const Breakage cases[] = {
      {"no MZ", [](PeImage& i) { i.bytes[0] = 'X'; }, [](const PeImage&) { return 0; }},
      {"truncated DOS header", [](PeImage& i) { i.bytes.resize(40); },
       [](const PeImage&) { return 0; }},
      {"file header offset past the end", [](PeImage& i) { PutU32At(i.bytes, 0x3C, 0xFFFFFFF0); },
       [](const PeImage&) { return 0xFFFFFFF0; }},
      {"no PE signature", [](PeImage& i) { i.bytes[i.file_header] = 'N'; },
       [](const PeImage& i) { return i.file_header; }},
      {"unknown optional header", [](PeImage& i) { PutU16At(i.bytes, i.optional_header, 0x30B); },
       [](const PeImage& i) { return i.optional_header; }},
      {"only two data directories",
       [](PeImage& i) { PutU32At(i.bytes, i.resource_directory - 20, 2); },
       [](const PeImage& i) { return i.optional_header; }},
      {"optional header too short", [](PeImage& i) { PutU16At(i.bytes, i.file_header + 20, 120); },
       [](const PeImage& i) { return i.optional_header; }},
      {"section table past the end",
       [](PeImage& i) { PutU16At(i.bytes, i.file_header + 6, 0xFFFF); },
       [](const PeImage& i) { return i.section_table; }},
      {"no resources", [](PeImage& i) { PutU32At(i.bytes, i.resource_directory, 0); },
       [](const PeImage& i) { return i.resource_directory; }},
      {"resources in no section",
       [](PeImage& i) { PutU32At(i.bytes, i.resource_directory, 0x9000); },
       [](const PeImage& i) { return i.resource_directory; }},
      {"resources longer than their section",
       [](PeImage& i) { PutU32At(i.bytes, i.resource_directory + 4, 0x10000); },
       [](const PeImage& i) { return i.resource_directory; }},
      {"huge entry count",
       [](PeImage& i) { PutU16At(i.bytes, i.directories[kTypes] + 14, 0xFFFF); },
       [](const PeImage& i) { return i.directories[kTypes]; }},
      {"no type 16", [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kTypes), 17); },
       [](const PeImage& i) { return i.directories[kTypes]; }},
      {"type entry points to data",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kTypes) + 4, 0x18); },
       [](const PeImage& i) { return i.resources; }},
      {"type entry points back to the root",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kTypes) + 4, 0x80000000); },
       [](const PeImage& i) { return i.resources; }},
      {"name entry points back to the root",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kNames) + 4, 0x80000000); },
       [](const PeImage& i) { return i.resources; }},
      {"language entry points to a directory",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kLanguages) + 4, 0x80000000); },
       [](const PeImage& i) { return i.directories[kLanguages]; }},
      {"directory outside the resources",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kTypes) + 4, 0xFFFFFFF0); },
       [](const PeImage& i) { return i.resources + 0x7FFFFFF0; }},
      {"empty language directory",
       [](PeImage& i) { PutU16At(i.bytes, i.directories[kLanguages] + 14, 0); },
       [](const PeImage& i) { return i.directories[kLanguages]; }},
      {"data entry outside the resources",
       [](PeImage& i) { PutU32At(i.bytes, EntryOf(i, kLanguages) + 4, 0x7FFFFFF0); },
       [](const PeImage& i) { return i.resources + 0x7FFFFFF0; }},
      {"data in no section", [](PeImage& i) { PutU32At(i.bytes, i.data_entries[0], 0x9000); },
       [](const PeImage& i) { return i.data_entries[0]; }},
      {"huge data size", [](PeImage& i) { PutU32At(i.bytes, i.data_entries[0] + 4, 0xFFFFFFFF); },
       [](const PeImage& i) { return i.data_entries[0]; }},
      {"data past the section's virtual size",
       [](PeImage& i) {
         const auto directories = static_cast<std::uint32_t>(i.data[0] - i.resources);
         PutU32At(i.bytes, i.resource_directory + 4, directories);
         PutU32At(i.bytes, i.section_table + 40 + 8, directories);
       },
       [](const PeImage& i) { return i.data_entries[0]; }},
      {"file cut inside the block", [](PeImage& i) { i.bytes.resize(i.data[0] + 10); },
       [](const PeImage& i) { return i.resource_directory; }},
  };
  for (const Breakage& c : cases) {
    PeImage image = BuildPeWithVersion(GermanBlock());
    c.patch(image);
    const Parsed<FileExtent> extent = Find(image.bytes);
    ASSERT_FALSE(extent.ok()) << c.what;
    EXPECT_EQ(extent.error().offset, c.error_offset(image))
        << c.what << ": " << extent.error().Describe();
  }
}

}  // namespace
}  // namespace rw
