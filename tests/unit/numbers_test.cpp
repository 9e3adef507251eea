#include "platform/base/float_to_int.h"
#include "platform/base/text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace rw {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(FloatToInt, TruncatesTowardZero) {
  EXPECT_EQ(FloatToInt(2.5), 2);
  EXPECT_EQ(FloatToInt(-2.5), -2);
  EXPECT_EQ(FloatToInt(2.9), 2);
  EXPECT_EQ(FloatToInt(-2.9), -2);
  EXPECT_EQ(FloatToInt(0.999), 0);
  EXPECT_EQ(FloatToInt(-0.999), 0);
  EXPECT_EQ(FloatToInt(479.5), 479);
  EXPECT_EQ(FloatToInt(1914 / 2.0), 957);
  EXPECT_EQ(FloatToInt(-0.0), 0);
}

TEST(FloatToInt, SpecialValues) {
  EXPECT_EQ(FloatToInt(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(FloatToInt(-std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(FloatToInt(std::bit_cast<double>(~std::uint64_t{0})), 0);
  // Every other NaN, quiet or signalling, positive or negative.
  EXPECT_EQ(FloatToInt(std::numeric_limits<double>::quiet_NaN()), kMin);
  EXPECT_EQ(FloatToInt(std::bit_cast<double>(std::uint64_t{0x7FF0000000000001})), kMin);
  EXPECT_EQ(FloatToInt(std::bit_cast<double>(std::uint64_t{0xFFFFFFFFFFFFFFFE})), kMin);
}

TEST(FloatToInt, RangeEdges) {
  EXPECT_EQ(FloatToInt(9223372036854775808.0), kMin);  // 2^63
  EXPECT_EQ(FloatToInt(1e300), kMin);
  EXPECT_EQ(FloatToInt(-1e300), kMin);
  EXPECT_EQ(FloatToInt(-9223372036854775808.0), kMin);  // -2^63 itself is in range
  EXPECT_EQ(FloatToInt(9223372036854774784.0), 9223372036854774784);  // largest double below 2^63
  EXPECT_EQ(FloatToInt(-9223372036854777856.0), kMin);  // next double below -2^63
}

TEST(NumberToText, Decimal) {
  EXPECT_EQ(NumberToText(0), u"0");
  EXPECT_EQ(NumberToText(-15), u"-15");
  EXPECT_EQ(NumberToText(1920), u"1920");
  EXPECT_EQ(NumberToText(7), u"7");
  EXPECT_EQ(NumberToText(-1), u"-1");
  EXPECT_EQ(NumberToText(1000000), u"1000000");
  EXPECT_EQ(NumberToText(9223372036854775807), u"9223372036854775807");
  EXPECT_EQ(NumberToText(kMin), u"-9223372036854775808");
}

TEST(Texts, LengthAndEquality) {
  const Text absent;
  EXPECT_EQ(TextLength(absent), 0);
  EXPECT_EQ(TextLength(u"senkrecht"_qs), 9);
  EXPECT_EQ(TextLength(u"Auflösung"_qs), 9);  // code units, not bytes
  EXPECT_EQ(TextLength(u"\U0001F600"_qs), 2);  // a surrogate pair is two units
  EXPECT_TRUE(absent == u""_qs);
  EXPECT_TRUE(absent == Text());
  EXPECT_FALSE(u"a"_qs == u"A"_qs);
  EXPECT_FALSE(u"ab"_qs == u"abc"_qs);
}

TEST(Texts, AssignmentCopiesAndConcatenationJoins) {
  Text a = u"senk"_qs;
  Text b = a;
  a += u"recht"_qs;
  EXPECT_EQ(b, u"senk");
  EXPECT_EQ(a, u"senkrecht");
  EXPECT_EQ(Text() + u"x"_qs + Text(), u"x");
  EXPECT_EQ(NumberToText(16) + u":"_qs + NumberToText(9), u"16:9");
}

}  // namespace
}  // namespace rw
