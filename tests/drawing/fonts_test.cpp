#include "platform/text/fonts.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace rw::testing {
extern int g_dpi_without_application;

namespace {

class FontsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ReleaseAllFonts();
    SetScreenDpiForTesting(96);
  }
};

TEST_F(FontsTest, PixelHeightsRoundHalvesAwayFromZero) {
  struct Case {
    int dpi;
    std::int64_t points, pixels;
  };
  const Case cases[] = {{96, 5, 7},   {96, 8, 11},  {120, 5, 8},  {120, 8, 13}, {144, 5, 10},
                        {144, 8, 16}, {96, 0, 0},   {96, -8, -11}, {144, -5, -10}, {72, 12, 12},
                        {96, 3, 4},   {144, 1, 2},  {108, 1, 2},  {108, -1, -2}, {108, 3, 5}};
  for (const Case& c : cases) {
    SetScreenDpiForTesting(c.dpi);
    EXPECT_EQ(FontPixelHeight(c.points), c.pixels) << c.points << " pt at " << c.dpi << " dpi";
  }
}

TEST_F(FontsTest, HugePointSizesDoNotOverflow) {
  SetScreenDpiForTesting(144);
  EXPECT_GT(FontPixelHeight(INT64_MAX), 0);
  EXPECT_LT(FontPixelHeight(INT64_MIN), 0);
  EXPECT_EQ(LoadFont(0, u"Arial"_qs, INT64_MAX), 0);
  EXPECT_EQ(FontHandle(0), nullptr);
}

TEST_F(FontsTest, WithoutADisplayTheDpiIs96) {
  EXPECT_EQ(g_dpi_without_application, 96);
  SetScreenDpiForTesting(96);
  EXPECT_EQ(FontPixelHeight(5), 7);
  EXPECT_EQ(FontPixelHeight(8), 11);
}

TEST_F(FontsTest, ArialIsRequestedAtItsEmHeightAndResolvesToLiberationSans) {
  SetScreenDpiForTesting(120);
  ASSERT_NE(LoadFont(0, u"Arial"_qs, 8), 0);
  ASSERT_NE(LoadFont(1, u"Arial"_qs, 5), 0);
  const QFont* font = FontHandle(0);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->pixelSize(), 13);
  EXPECT_EQ(FontHandle(1)->pixelSize(), 8);
  EXPECT_EQ(font->weight(), QFont::Normal);
  EXPECT_FALSE(font->italic());
  EXPECT_FALSE(font->underline());
  EXPECT_FALSE(font->strikeOut());
  EXPECT_EQ(QFontInfo(*font).family(), u"Liberation Sans"_qs);
}

TEST_F(FontsTest, RenderingIsFixedRatherThanLeftToTheDesktop) {
  ASSERT_NE(LoadFont(0, u"Arial"_qs, 8), 0);
  const QFont* font = FontHandle(0);
  EXPECT_EQ(font->hintingPreference(), QFont::PreferFullHinting);
  EXPECT_TRUE(font->styleStrategy() & QFont::NoSubpixelAntialias);
  EXPECT_FALSE(font->styleStrategy() & QFont::NoAntialias);
}

TEST_F(FontsTest, UnknownFamilyStillSucceedsThroughSubstitution) {
  EXPECT_NE(LoadFont(4, u"No Such Family Anywhere"_qs, 8), 0);
  EXPECT_NE(FontHandle(4), nullptr);
}

TEST_F(FontsTest, ReloadingReplacesAndFailureLeavesTheNumberEmpty) {
  ASSERT_NE(LoadFont(0, u"Arial"_qs, 8), 0);
  ASSERT_NE(LoadFont(0, u"Arial"_qs, 5), 0);
  EXPECT_EQ(FontHandle(0)->pixelSize(), 7);
  EXPECT_EQ(LoadFont(0, u"Arial"_qs, 0), 0);
  EXPECT_EQ(FontHandle(0), nullptr);
  EXPECT_EQ(LoadFont(0, u"Arial"_qs, -3), 0);
  EXPECT_EQ(FontHandle(0), nullptr);
}

TEST_F(FontsTest, ReleaseAllFontsEmptiesEveryNumber) {
  ASSERT_NE(LoadFont(0, u"Arial"_qs, 8), 0);
  ASSERT_NE(LoadFont(1, u"Arial"_qs, 5), 0);
  ReleaseAllFonts();
  EXPECT_EQ(FontHandle(0), nullptr);
  EXPECT_EQ(FontHandle(1), nullptr);
  EXPECT_EQ(FontHandle(2), nullptr);
}

}  // namespace
}  // namespace rw::testing
