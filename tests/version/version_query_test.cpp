#include "info/version/generator/version_block_writer.h"
#include "info/version/version_query.h"
#include "info/version/version_translation.h"

#include "tests/version/text_printer.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

// Root { StringFileInfo { 040704b0 { FileVersion, Empty }, Other { Deep } }, VarFileInfo }.
class VersionQuery : public ::testing::Test {
 protected:
  void SetUp() override {
    VersionNodeDraft empty = TextNode(u"Empty", u"");
    empty.value_length = 0;
    empty.value.clear();
    VersionNodeDraft root = BinaryNode(u"VS_VERSION_INFO", {9, 8, 7, 6});
    root.children.push_back(ParentNode(
        u"StringFileInfo",
        {ParentNode(u"040704b0", {TextNode(u"FileVersion", u"3.1"), empty}),
         ParentNode(u"Other", {TextNode(u"Deep", u"d"), TextNode(u"Deep", u"second")})}));
    root.children.push_back(
        ParentNode(u"VarFileInfo", {BinaryNode(u"Translation", {0x07, 0x04, 0xB0, 0x04})}));
    bytes_ = SerialiseVersionNode(root);
    Parsed<VersionNode> parsed = ParseVersionBlock(bytes_);
    ASSERT_TRUE(parsed.ok()) << parsed.error().Describe();
    root_ = std::move(parsed.value());
  }

  Text TextAt(const char16_t* path) const {
    const std::optional<VersionValue> value = QueryVersionValue(root_, Text::fromUtf16(path));
    return value ? VersionValueText(*value) : u"<absent>"_qs;
  }

  Bytes bytes_;
  VersionNode root_;
};

TEST_F(VersionQuery, SkipsEmptyNamesAndIgnoresCase) {
  const char16_t* same[] = {
      u"\\StringFileInfo\\040704b0\\FileVersion",
      u"\\\\StringFileInfo\\\\040704B0\\\\FileVersion",
      u"StringFileInfo\\040704b0\\FileVersion\\",
      u"\\\\\\stringfileinfo\\\\\\\\040704B0\\FILEVERSION",
  };
  for (const char16_t* path : same)
    EXPECT_EQ(TextAt(path), u"3.1") << Text::fromUtf16(path).toStdString();
}

TEST_F(VersionQuery, MissingPiecesAreAbsentAndTheFirstMatchCounts) {
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\040704b0\\ProductVersion"), u"<absent>");
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\\\FileVersion"), u"<absent>");
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\040704b0\\FileVersion\\More"), u"<absent>");
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\040704b"), u"<absent>");
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\Other\\Deep"), u"d");
}

TEST_F(VersionQuery, SeparatorsAloneNameTheRootValue) {
  for (const char16_t* path : {u"", u"\\", u"\\\\"}) {
    const std::optional<VersionValue> value = QueryVersionValue(root_, Text::fromUtf16(path));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, VersionValueType::Binary);
    EXPECT_EQ(Bytes(value->bytes.begin(), value->bytes.end()), (Bytes{9, 8, 7, 6}));
  }
}

TEST_F(VersionQuery, TranslationNamesTheTableInUpperCase) {
  EXPECT_EQ(TranslationTableName(root_), u"040704B0");
  EXPECT_EQ(TextAt(u"\\StringFileInfo\\040704b0\\Empty"), u"");
}

TEST(VersionValueText, EndsAtZeroRecordedLengthOrBytes) {
  const Bytes text = {'a', 0, 'b', 0, 0, 0, 'c', 0};  // "ab\0c"
  struct Case {
    std::uint16_t length;
    std::size_t bytes;
    const char16_t* expected;
  };
  const Case cases[] = {
      {4, 8, u"ab"}, {1, 8, u"a"}, {0, 8, u""}, {4, 3, u"a"}, {4, 0, u""}, {2, 8, u"ab"},
  };
  for (const Case& c : cases) {
    const VersionValue value{VersionValueType::Text, c.length,
                             std::span<const std::uint8_t>(text).first(c.bytes)};
    EXPECT_EQ(VersionValueText(value), Text::fromUtf16(c.expected)) << c.length << "/" << c.bytes;
  }
}

Text TableNameOf(Bytes translation) {
  VersionNodeDraft root = BinaryNode(u"VS_VERSION_INFO", {});
  root.children.push_back(ParentNode(u"VarFileInfo", {BinaryNode(u"Translation", translation)}));
  const Bytes bytes = SerialiseVersionNode(root);
  const Parsed<VersionNode> parsed = ParseVersionBlock(bytes);
  return parsed.ok() ? TranslationTableName(parsed.value()) : u"<unparsed>"_qs;
}

TEST(TranslationTableName, UsesOnlyTheFirstEntryAsUnsignedDigits) {
  EXPECT_EQ(TableNameOf({0x00, 0x00, 0xB0, 0x04}), u"000004B0");
  EXPECT_EQ(TableNameOf({0x09, 0x04, 0xE9, 0xFD}), u"0409FDE9");  // UTF-8, top bit set
  EXPECT_EQ(TableNameOf({0xFF, 0xFF, 0x00, 0x80}), u"FFFF8000");
  EXPECT_EQ(TableNameOf({0x07, 0x04, 0xE4, 0x04, 0x09, 0x04, 0xB0, 0x04}), u"040704E4");
  EXPECT_EQ(TableNameOf({0x07, 0x04, 0xE4}), u"");
  EXPECT_EQ(TableNameOf({}), u"");
}

}  // namespace
}  // namespace rw
