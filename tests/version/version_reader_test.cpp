#include "info/version/version_keys.h"
#include "info/version/version_reader.h"
#include "tests/version/elf_builder.h"
#include "tests/version/pe_builder.h"
#include "tests/version/temp_files.h"
#include "tests/version/test_blocks.h"

#include "tests/version/text_printer.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using namespace rw::test;

constexpr std::int64_t kFileVersion = 0x0001;
constexpr std::int64_t kProductName = 0x0020;
constexpr std::int64_t kComments = 0x0800;
constexpr std::int64_t kLanguage = 0x1000;
constexpr std::int64_t kTimestamp = 0x2000;

Bytes Pe(const Bytes& block) { return BuildPeWithVersion(block).bytes; }

Bytes Block(const std::u16string& table, const Strings& strings, const Translations& t) {
  return BlockWith(table, strings, t);
}

// A block with no VarFileInfo at all.
Bytes WithoutTranslation() {
  VersionNodeDraft root = BinaryNode(u"VS_VERSION_INFO", FixedFileInfo({1, 0, 0, 0}));
  root.children.push_back(
      ParentNode(u"StringFileInfo", {ParentNode(u"000004b0", {TextNode(u"FileVersion", u"1.0")}),
                                     TextNode(u"ProductName", u"direkt")}));
  return SerialiseVersionNode(root);
}

Bytes PaddedTo(Bytes block, std::size_t size) {
  block.resize(size, 0);
  return block;
}

struct FileCase {
  const char* what;
  Text path;
  std::int64_t code;
  const char16_t* expected;
};

class ReadVersionFieldFiles : public ::testing::Test {
 protected:
  Text Write(const char* name, const Bytes& bytes) {
    return files_.Write(QString::fromUtf8(name), bytes);
  }
  TempFiles files_;
};

TEST_F(ReadVersionFieldFiles, ReadsTheFieldOrGivesTheEmptyText) {
  const Text own = QString::fromUtf8(RW_PROGRAM_FILE);
  const Text german = Write("german.exe", Pe(GermanBlock()));
  const Text utf8 =
      Write("utf8.exe", Pe(Block(u"0409fde9", {{u"FileVersion", u"8.0"}}, {{0x0409, 0xFDE9}})));
  const Text second_only = Write("second.exe", Pe(Block(u"040904b0", {{u"FileVersion", u"9.9"}},
                                                        {{0x0407, 0x04E4}, {0x0409, 0x04B0}})));
  const Text first_of_two = Write("first.exe", Pe(Block(u"040704E4", {{u"FileVersion", u"7.7"}},
                                                        {{0x0407, 0x04E4}, {0x0409, 0x04B0}})));
  const Text no_translation = Write("no_translation.exe", Pe(WithoutTranslation()));
  const Text short_translation =
      Write("short.exe", Pe(Block(u"04070000", {{u"FileVersion", u"1.1"}}, {})));
  const Text extras = Write("extras.exe", Pe(Block(u"000004b0",
                                                   {{u"FileVersion", u"3.0"},
                                                    {u"Timestamp", u"2026-12-08 12:00"},
                                                    {u"Language", u"Deutsch"},
                                                    {u"Comments", u""}},
                                                   {{0x0000, 0x04B0}})));
  const Text largest = Write("largest.exe", Pe(PaddedTo(GermanBlock(), 32767)));
  const Text too_large = Write("too_large.exe", Pe(PaddedTo(GermanBlock(), 32768)));
  const Text elf32_big = Write("elf32", BuildElf(ElfClass::Elf32, ElfOrder::Big,
                                                 {{".rw_version", kElfProgBits, GermanBlock()}})
                                            .bytes);
  const Text text =
      Write("readme.txt", {'F', 'i', 'l', 'e', 'V', 'e', 'r', 's', 'i', 'o', 'n', '\n'});
  const Text empty = Write("empty.exe", {});
  const Text folder = files_.Folder(u"Rasterwacht.exe"_qs);

  const FileCase cases[] = {
      {"own program, lower-case table", own, kFileVersion, u"1.0"},
      {"own program product", own, kProductName, u"Rasterwacht"},
      {"own program, only the low 32 bits count", own, 0x7'0000'0001, u"1.0"},
      {"own program without Language", own, kLanguage, u""},
      {"own program without Comments", own, kComments, u""},
      {"code 0", own, 0, u""},
      {"two codes combined", own, 0x0003, u""},
      {"negative code", own, -1, u""},
      {"own program, trailing slash", own + u"/"_qs, kFileVersion, u""},
      {"PE", german, kFileVersion, u"2.5"},
      {"PE product", german, kProductName, u"Probe"},
      {"PE without Timestamp", german, kTimestamp, u""},
      {"code page with the top bit set", utf8, kFileVersion, u"8.0"},
      {"value only behind the second translation", second_only, kFileVersion, u""},
      {"first of two translations", first_of_two, kFileVersion, u"7.7"},
      {"no Translation", no_translation, kFileVersion, u""},
      // An empty table name leaves StringFileInfo\key, found only in a block
      // that puts a string there.
      {"no Translation, string below StringFileInfo", no_translation, kProductName, u"direkt"},
      {"Translation without a whole entry", short_translation, kFileVersion, u""},
      {"Timestamp", extras, kTimestamp, u"2026-12-08 12:00"},
      {"Language", extras, kLanguage, u"Deutsch"},
      {"empty value", extras, kComments, u""},
      {"block of 32767 bytes", largest, kFileVersion, u"2.5"},
      {"block of 32768 bytes", too_large, kFileVersion, u""},
      {"ELF, 32-bit big endian", elf32_big, kFileVersion, u"2.5"},
      {"text file", text, kFileVersion, u""},
      {"empty file", empty, kFileVersion, u""},
      {"directory", folder, kFileVersion, u""},
      {"directory with trailing slashes", folder + u"//"_qs, kFileVersion, u""},
      {"missing file", files_.Path(u"missing.exe"_qs), kFileVersion, u""},
      {"255 blanks", Text(255, u' '), kFileVersion, u""},
      {"empty path", Text(), kFileVersion, u""},
  };
  for (const FileCase& c : cases) {
    const Text result = ReadVersionField(c.code, c.path);
    EXPECT_EQ(result, Text::fromUtf16(c.expected)) << c.what;
    EXPECT_FALSE(result.contains(QChar(u'\0'))) << c.what;
  }
}

TEST(ReadVersionField, ReachesABlockBeyondFourGibibytesOfASparseFile) {
  // Everything but the ELF header moves 5 GiB up; the hole is never read.
  constexpr std::uint64_t kBase = std::uint64_t{5} << 30;
  ElfImage image =
      BuildElf(ElfClass::Elf64, ElfOrder::Little, {{".rw_version", kElfProgBits, GermanBlock()}});
  image.Put(image.SectionHeader(1) + 24, 8, kBase + image.data[0]);  // .rw_version sh_offset
  image.Put(image.SectionHeader(2) + 24, 8, kBase + image.names);    // .shstrtab sh_offset
  const TempFiles files;
  const Text path = files.Path(u"sparse"_qs);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.seek(static_cast<qint64>(kBase)));
  file.write(reinterpret_cast<const char*>(image.bytes.data()),
             static_cast<qint64>(image.bytes.size()));
  image.Put(40, 8, kBase + image.section_headers);  // e_shoff
  ASSERT_TRUE(file.seek(0));
  file.write(reinterpret_cast<const char*>(image.bytes.data()), 64);
  file.close();
  EXPECT_EQ(ReadVersionField(kFileVersion, path), u"2.5");
}

TEST(ReadVersionField, EveryKeyOfOurProgramIsThereExceptTheUnusedOnes) {
  const Text own = QString::fromUtf8(RW_PROGRAM_FILE);
  for (int bit = 0; bit < 14; ++bit) {
    const std::int64_t code = std::int64_t{1} << bit;
    const bool absent = code == kComments || code == kLanguage;
    EXPECT_EQ(ReadVersionField(code, own).isEmpty(), absent) << VersionKeyName(code).toStdString();
  }
  EXPECT_EQ(ReadVersionField(0x0002, own), u"Monitor-Testbilder");
  EXPECT_EQ(ReadVersionField(0x0010, own), u"rasterwacht");
}

TEST(VersionKeyName, MapsEachSingleCodeAndNothingElse) {
  EXPECT_EQ(VersionKeyName(0x0001), u"FileVersion");
  EXPECT_EQ(VersionKeyName(0x0800), u"Comments");
  EXPECT_EQ(VersionKeyName(0x2000), u"Timestamp");
  EXPECT_EQ(VersionKeyName(0x1'0000'2000), u"Timestamp");
  for (std::int64_t code : {0x0LL, 0x3LL, 0x4000LL, 0x8000LL, 0x1'0000'0000LL, -1LL}) {
    EXPECT_EQ(VersionKeyName(code), u"") << code;
  }
}

TEST(OwnFileVersion, ReadsTheRunningProgramsBlock) {
  // The test program carries the same block as the program itself.
  EXPECT_EQ(OwnFileVersion(), u"1.0");
}

}  // namespace
}  // namespace rw
