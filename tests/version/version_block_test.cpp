#include "info/version/generator/version_block_writer.h"
#include "info/version/version_block.h"
#include "info/version/version_file_source.h"
#include "info/version/version_locate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rw {
namespace {

// P { A = "xy" (text), BC = 01 02 03 (binary) }, laid out by hand.
const Bytes kSmallTree = {
    47, 0, 0, 0, 1, 0, 'P', 0, 0,   0, 0, 0,                        // P, padded to 12
    18, 0, 3, 0, 1, 0, 'A', 0, 0,   0, 0, 0, 'x', 0, 'y', 0, 0, 0,  // A at 12
    0,  0,                                                          // to 32
    15, 0, 3, 0, 0, 0, 'B', 0, 'C', 0, 0, 0, 1,   2, 3,             // BC at 32
};

VersionNodeDraft SmallTree() {
  return ParentNode(u"P", {TextNode(u"A", u"xy"), BinaryNode(u"BC", {1, 2, 3})});
}

TEST(VersionBlockWriter, LaysOutLengthsPaddingAndValueLengthsExactly) {
  EXPECT_EQ(SerialiseVersionNode(SmallTree()), kSmallTree);
}

TEST(VersionBlockWriter, FixedFileInfoCarriesSignatureAndVersion) {
  ProgramVersion v;
  ASSERT_TRUE(ParseProgramVersion("1.2.3.4", v));
  const Bytes info = FixedFileInfo(v);
  ASSERT_EQ(info.size(), 52u);
  EXPECT_EQ(Bytes(info.begin(), info.begin() + 16),
            (Bytes{0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 2, 0, 1, 0, 4, 0, 3, 0}));
  EXPECT_EQ(Bytes(info.begin() + 16, info.begin() + 24), (Bytes{2, 0, 1, 0, 4, 0, 3, 0}));
}

TEST(VersionBlockWriter, ParsesProgramVersions) {
  ProgramVersion v;
  ASSERT_TRUE(ParseProgramVersion("1.0", v));
  EXPECT_EQ(std::vector<int>({v.major, v.minor, v.patch, v.tweak}), std::vector<int>({1, 0, 0, 0}));
  ASSERT_TRUE(ParseProgramVersion("65535.7.0.9", v));
  EXPECT_EQ(std::vector<int>({v.major, v.minor, v.patch, v.tweak}),
            std::vector<int>({65535, 7, 0, 9}));
  for (const char* bad : {"", "1.", ".1", "1..0", "1.2.3.4.5", "65536", "1.x", "-1"}) {
    EXPECT_FALSE(ParseProgramVersion(bad, v)) << bad;
  }
}

TEST(ParseVersionBlock, ReadsTheTreeBack) {
  const Parsed<VersionNode> root = ParseVersionBlock(kSmallTree);
  ASSERT_TRUE(root.ok()) << root.error().Describe();
  const VersionNode& p = root.value();
  EXPECT_EQ(p.key, u"P");
  ASSERT_EQ(p.children.size(), 2u);
  const VersionNode& a = p.children[0];
  EXPECT_EQ(a.key, u"A");
  EXPECT_EQ(a.type, VersionValueType::Text);
  EXPECT_EQ(a.offset, 12u);
  EXPECT_EQ(a.value_length, 3);
  EXPECT_EQ(Bytes(a.value.begin(), a.value.end()), (Bytes{'x', 0, 'y', 0, 0, 0}));
  const VersionNode& bc = p.children[1];
  EXPECT_EQ(bc.key, u"BC");
  EXPECT_EQ(bc.type, VersionValueType::Binary);
  EXPECT_EQ(bc.offset, 32u);
  EXPECT_EQ(Bytes(bc.value.begin(), bc.value.end()), (Bytes{1, 2, 3}));
  EXPECT_TRUE(bc.children.empty());
}

TEST(ParseVersionBlock, ValueLengthPastTheNodeIsCutAtItsEnd) {
  // Some writers count text values in bytes: "1.0" recorded as 8.
  VersionNodeDraft node = TextNode(u"V", u"1.0");
  node.value_length = 8;
  const Bytes bytes = SerialiseVersionNode(node);
  const Parsed<VersionNode> root = ParseVersionBlock(bytes);
  ASSERT_TRUE(root.ok()) << root.error().Describe();
  EXPECT_EQ(root.value().value.size(), 8u);
  EXPECT_EQ(root.value().value.data() + 8, bytes.data() + bytes.size());
}

struct BrokenTree {
  const char* what;
  Bytes bytes;
  std::uint64_t error_offset;
};

Bytes Patched(Bytes bytes, std::size_t at, std::uint16_t v) {
  bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
  bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  return bytes;
}

Bytes WithStrayBytes() {
  Bytes b = kSmallTree;
  b.resize(50, 0);  // 48..50: too short for a header
  return Patched(b, 0, 50);
}

Bytes NestedParents(int depth) {
  VersionNodeDraft node = TextNode(u"leaf", u"x");
  for (int i = 0; i < depth; ++i) node = ParentNode(u"p", {node});
  return SerialiseVersionNode(node);
}

TEST(ParseVersionBlock, RejectsLyingLengthsAndSaysWhere) {
  const BrokenTree cases[] = {
      {"empty block", {}, 0},
      {"root longer than the block", Patched(kSmallTree, 0, 48), 0},
      {"child longer than its parent", Patched(kSmallTree, 12, 40), 12},
      {"child shorter than a header", Patched(kSmallTree, 32, 5), 32},
      {"zero length child", Patched(kSmallTree, 32, 0), 32},
      {"unknown value type", Patched(kSmallTree, 36, 2), 36},
      {"key without its zero", {8, 0, 0, 0, 0, 0, 'P', 0}, 6},
      {"stray bytes after the last child", WithStrayBytes(), 48},
  };
  for (const BrokenTree& c : cases) {
    const Parsed<VersionNode> root = ParseVersionBlock(c.bytes);
    ASSERT_FALSE(root.ok()) << c.what;
    EXPECT_EQ(root.error().offset, c.error_offset) << c.what << ": " << root.error().Describe();
  }
}

TEST(ParseVersionBlock, BoundsTheNestingDepth) {
  EXPECT_TRUE(ParseVersionBlock(NestedParents(16)).ok());
  const Parsed<VersionNode> deep = ParseVersionBlock(NestedParents(17));
  ASSERT_FALSE(deep.ok());
  EXPECT_NE(deep.error().what.find("deep"), std::string::npos);
}

// Our program's block as the build put it into its ELF section.
class OurProgramsBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = FileByteSource::Open(QString::fromUtf8(RW_PROGRAM_FILE));
    ASSERT_TRUE(file_) << RW_PROGRAM_FILE;
    const Parsed<FileExtent> extent = LocateVersionBlock(*file_);
    ASSERT_TRUE(extent.ok()) << extent.error().Describe();
    block_.resize(extent.value().size);
    ASSERT_TRUE(file_->ReadAt(extent.value().offset, block_));
  }

  std::unique_ptr<FileByteSource> file_;
  Bytes block_;
};

void ExpectAligned(const VersionNode& node) {
  EXPECT_EQ(node.offset % 4, 0u) << std::string(node.key.begin(), node.key.end());
  for (const VersionNode& child : node.children) ExpectAligned(child);
}

TEST_F(OurProgramsBlock, HasTheStandardLayout) {
  const Parsed<VersionNode> parsed = ParseVersionBlock(block_);
  ASSERT_TRUE(parsed.ok()) << parsed.error().Describe();
  const VersionNode& root = parsed.value();
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  EXPECT_EQ(root.offset, 0u);
  EXPECT_EQ(root.type, VersionValueType::Binary);
  ASSERT_EQ(root.value.size(), 52u);
  EXPECT_EQ(Bytes(root.value.begin(), root.value.begin() + 4), (Bytes{0xBD, 0x04, 0xEF, 0xFE}));
  EXPECT_EQ(block_[0] | (block_[1] << 8), static_cast<int>(block_.size()));
  ExpectAligned(root);

  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].key, u"StringFileInfo");
  ASSERT_EQ(root.children[0].children.size(), 1u);
  const VersionNode& table = root.children[0].children[0];
  EXPECT_EQ(table.key, u"000004b0");
  std::vector<std::u16string> keys;
  for (const VersionNode& s : table.children) {
    keys.push_back(s.key);
    EXPECT_EQ(s.type, VersionValueType::Text);
    // Units with the zero, and the value ends in exactly that zero.
    ASSERT_EQ(s.value.size(), 2u * s.value_length);
    EXPECT_EQ(s.value[s.value.size() - 2] | s.value[s.value.size() - 1], 0);
    for (std::size_t i = 0; i + 2 < s.value.size(); i += 2)
      EXPECT_NE(s.value[i] | s.value[i + 1], 0);
  }
  const std::vector<std::u16string> expected = {
      u"CompanyName",     u"ProductName",  u"ProductVersion",   u"FileVersion",
      u"FileDescription", u"InternalName", u"OriginalFilename", u"LegalCopyright",
      u"LegalTrademarks", u"PrivateBuild", u"SpecialBuild",     u"Timestamp"};
  EXPECT_EQ(keys, expected);

  EXPECT_EQ(root.children[1].key, u"VarFileInfo");
  ASSERT_EQ(root.children[1].children.size(), 1u);
  const VersionNode& translation = root.children[1].children[0];
  EXPECT_EQ(translation.key, u"Translation");
  EXPECT_EQ(translation.type, VersionValueType::Binary);
  EXPECT_EQ(Bytes(translation.value.begin(), translation.value.end()), (Bytes{0, 0, 0xB0, 0x04}));
}

}  // namespace
}  // namespace rw
