#include "tests/drawing/surface_fixture.h"

#include "platform/raster/session.h"
#include "platform/text/font_rendering.h"
#include "platform/text/fonts.h"
#include "platform/text/text_strip.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace rw::testing {
namespace {

constexpr Colour kGreen = 0x00FF00;

// Text "senkrecht" in font 0 ("Arial" 8 pt at 96 dpi) unless told otherwise.
class TextOutputTest : public SurfaceTest {
 protected:
  void SetUp() override {
    SetScreenDpiForTesting(96);
    ASSERT_NE(LoadFont(0, u"Arial"_qs, 8), 0);
  }
  void TearDown() override {
    SurfaceTest::TearDown();
    ReleaseAllFonts();
  }

  // Opens a W x H session, fills it green and selects font 0.
  void OpenGreen(int width_px, int height_px) {
    Open(width_px, height_px);
    DrawBox(0, 0, width_px, height_px, kGreen);
    SetDrawingFont(FontHandle(0));
  }

  // The text as the renderer gives it on its own: white on black, cell-sized.
  static QImage Coverage(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, image.width(), image.height()), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
  }

  // One channel of the blend: floor((glyph·m + background·(255 - m)) / 255).
  static int Blend(int glyph, int background, int m) { return (glyph * m + background * (255 - m)) / 255; }

  // The pixel expected at coverage pixel `m` for glyph and background colours.
  static Colour Expected(QRgb m, Colour glyph, Colour background) {
    const int r = Blend(glyph & 0xFF, background & 0xFF, qRed(m));
    const int g = Blend((glyph >> 8) & 0xFF, (background >> 8) & 0xFF, qGreen(m));
    const int b = Blend((glyph >> 16) & 0xFF, (background >> 16) & 0xFF, qBlue(m));
    return Rgb(r, g, b);
  }

  // Checks the whole surface: the cell of `coverage` at (x, y) blended,
  // everything else still green.
  void ExpectCell(const QImage& coverage, int x, int y, Colour glyph, Colour background) {
    int glyph_pixels = 0;
    for (int j = 0; j < Height(); ++j) {
      for (int i = 0; i < Width(); ++i) {
        const int u = i - x, v = j - y;
        const bool in_cell = u >= 0 && v >= 0 && u < coverage.width() && v < coverage.height();
        const Colour want = in_cell ? Expected(coverage.pixel(u, v), glyph, background) : kGreen;
        ASSERT_EQ(At(i, j), want) << "at " << i << "," << j << (in_cell ? " in the cell" : " outside");
        if (in_cell && qRed(coverage.pixel(u, v)) > 127) ++glyph_pixels;
      }
    }
    EXPECT_GT(glyph_pixels, 5);  // the text really has glyphs
  }

  static QFont Font0() { return *FontHandle(0); }
};

TEST_F(TextOutputTest, WhiteGlyphsOnABlackCellFromTheTopLeftPixel) {
  OpenGreen(120, 30);
  const QImage coverage = Coverage(Font0(), u"senkrecht"_qs);
  EXPECT_EQ(DrawText(3, 4, u"senkrecht"_qs), 3 + coverage.width());
  ExpectCell(coverage, 3, 4, 0xFFFFFF, 0);
}

TEST_F(TextOutputTest, ColourFormPaintsThatColourAndSetsThePen) {
  OpenGreen(120, 30);
  const QImage coverage = Coverage(Font0(), u"senkrecht"_qs);
  DrawText(0, 0, u"senkrecht"_qs, 255);
  ExpectCell(coverage, 0, 0, 255, 0);
  EXPECT_EQ(CurrentSession()->pen_colour, 255);
  DrawText(0, 0, u"senkrecht"_qs);
  EXPECT_EQ(CurrentSession()->pen_colour, 0xFFFFFF);
}

TEST_F(TextOutputTest, EachChannelBlendsWithTheBackgroundByCoverage) {
  OpenGreen(120, 30);
  CurrentSession()->background_colour = 0x4080C0;
  CurrentSession()->front_colour = 0x103070;
  const QImage coverage = Coverage(Font0(), u"Hg 123"_qs);
  DrawText(5, 2, u"Hg 123"_qs);
  ExpectCell(coverage, 5, 2, 0x103070, 0x4080C0);
}

TEST_F(TextOutputTest, ABackgroundColourHoldsForTheRestOfItsSession) {
  constexpr Colour kGrey = Rgb(128, 128, 128);
  OpenGreen(120, 30);
  SetTextBackground(0xFFFFFF);
  const QImage coverage = Coverage(Font0(), u"254"_qs);
  DrawText(2, 3, u"254"_qs, kGrey);
  DrawText(2, 3, u"254"_qs, kGrey);  // the same colours, applied already
  ExpectCell(coverage, 2, 3, kGrey, 0xFFFFFF);
  EndDrawing();
  OpenGreen(120, 30);
  DrawText(2, 3, u"254"_qs, kGrey);
  ExpectCell(coverage, 2, 3, kGrey, 0);
  EndDrawing();
  SetTextBackground(0xFFFFFF);  // without a session: nothing to change
}

TEST_F(TextOutputTest, TextLeftOfColumnZeroShowsItsPartFromColumnZeroOn) {
  OpenGreen(120, 30);
  const QImage coverage = Coverage(Font0(), u"senkrecht"_qs);
  EXPECT_EQ(DrawText(-7, 1, u"senkrecht"_qs), -7 + coverage.width());
  ExpectCell(coverage, -7, 1, 0xFFFFFF, 0);
}

TEST_F(TextOutputTest, RightAndBottomEdgesCutTheCell) {
  const QImage coverage = Coverage(Font0(), u"senkrecht"_qs);
  OpenGreen(coverage.width() - 6, coverage.height() + 2);
  DrawText(0, 5, u"senkrecht"_qs);
  ExpectCell(coverage, 0, 5, 0xFFFFFF, 0);
}

TEST_F(TextOutputTest, CellsWhollyOutsideChangeNothing) {
  OpenGreen(40, 20);
  const int w = DrawText(-1000, 0, u"senkrecht"_qs) + 1000;
  EXPECT_GT(w, 0);
  DrawText(40, 0, u"senkrecht"_qs);
  DrawText(0, 20, u"senkrecht"_qs);
  DrawText(0, -500, u"senkrecht"_qs);
  DrawText(INT32_MIN, INT32_MIN, u"senkrecht"_qs);
  for (Colour c : Pixels()) ASSERT_EQ(c, kGreen);
}

TEST_F(TextOutputTest, EmptyOrAbsentTextDrawsNothingAndReturnsX) {
  OpenGreen(40, 20);
  EXPECT_EQ(DrawText(7, 3, QString()), 7);
  EXPECT_EQ(DrawText(-2, 3, u""_qs, 255), -2);
  for (Colour c : Pixels()) ASSERT_EQ(c, kGreen);
}

TEST_F(TextOutputTest, WithoutSessionNothingIsDrawn) {
  OpenGreen(40, 20);
  EndDrawing();
  EXPECT_EQ(DrawText(4, 4, u"senkrecht"_qs), 4);
  for (Colour c : Pixels()) ASSERT_EQ(c, kGreen);
}

TEST_F(TextOutputTest, ASessionWithoutSetDrawingFontUsesTheDefaultFont) {
  Open(200, 40);
  DrawBox(0, 0, 200, 40, kGreen);
  const QImage coverage = Coverage(WithFixedRendering(QGuiApplication::font()), u"senkrecht"_qs);
  EXPECT_EQ(DrawText(2, 2, u"senkrecht"_qs), 2 + coverage.width());
  ExpectCell(coverage, 2, 2, 0xFFFFFF, 0);
}

TEST_F(TextOutputTest, NoFontKeepsThePreviousOne) {
  ASSERT_NE(LoadFont(1, u"Arial"_qs, 5), 0);
  OpenGreen(120, 30);
  SetDrawingFont(FontHandle(1));
  SetDrawingFont(FontHandle(9));
  const QImage coverage = Coverage(*FontHandle(1), u"senkrecht"_qs);
  DrawText(0, 0, u"senkrecht"_qs);
  ExpectCell(coverage, 0, 0, 0xFFFFFF, 0);
}

TEST_F(TextOutputTest, StripGrowsForTallFontsAndNeverShrinks) {
  ASSERT_NE(LoadFont(2, u"Arial"_qs, 60), 0);  // 80 px em height
  OpenGreen(50, 10);
  const QImage& strip = CurrentSession()->text_strip;
  EXPECT_EQ(strip.width(), 50);
  EXPECT_EQ(strip.height(), std::max(TextStripHeight(Font0()), 50));
  EXPECT_EQ(TextStripHeight(Font0()), 50);  // 11 px text: the minimum
  SetDrawingFont(FontHandle(2));
  const int tall = QFontMetrics(*FontHandle(2)).size(Qt::TextSingleLine, u"Hg"_qs).height() + 20;
  EXPECT_GT(tall, 50);
  EXPECT_EQ(CurrentSession()->text_strip.height(), tall);
  SetDrawingFont(FontHandle(0));
  EXPECT_EQ(CurrentSession()->text_strip.height(), tall);
}

TEST_F(TextOutputTest, NextSessionStartsAgainFromTheDefaults) {
  ASSERT_NE(LoadFont(1, u"Arial"_qs, 5), 0);
  OpenGreen(200, 40);
  SetDrawingFont(FontHandle(1));
  CurrentSession()->front_colour = 255;
  CurrentSession()->background_colour = 0x00FF00;
  EndDrawing();
  ASSERT_NE(BeginDrawing(ImageSurface(kImage)), 0);
  DrawBox(0, 0, 200, 40, kGreen);
  const QImage coverage = Coverage(WithFixedRendering(QGuiApplication::font()), u"senkrecht"_qs);
  DrawText(1, 1, u"senkrecht"_qs);
  ExpectCell(coverage, 1, 1, 0xFFFFFF, 0);
}

}  // namespace
}  // namespace rw::testing
