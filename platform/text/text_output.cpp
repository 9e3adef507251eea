#include "platform/text/fonts.h"

#include "platform/raster/session.h"
#include "platform/text/text_strip.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace rw {
namespace {

// For one channel: the target value for every strip value m, that is
// floor((glyph·m + background·(255 - m)) / 255).
std::array<std::uint8_t, 256> BlendTable(std::uint32_t glyph, std::uint32_t background) {
  std::array<std::uint8_t, 256> table{};
  for (std::uint32_t m = 0; m < 256; ++m) table[m] = static_cast<std::uint8_t>((glyph * m + background * (255 - m)) / 255);
  return table;
}

// Channel `shift` (16 red, 8 green, 0 blue) of a stored pixel.
std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// Blends strip columns 0..columns-1, rows 0..rows-1 onto the surface with
// the strip's column 0 at (x0, y); callers clip x0 and columns, not rows.
void BlendStrip(const QImage& strip, std::int64_t x0, std::int64_t y, std::int64_t columns, std::int64_t rows,
                std::uint32_t glyph_pixel, std::uint32_t background_pixel) {
  const auto red = BlendTable(Channel(glyph_pixel, 16), Channel(background_pixel, 16));
  const auto green = BlendTable(Channel(glyph_pixel, 8), Channel(background_pixel, 8));
  const auto blue = BlendTable(Channel(glyph_pixel, 0), Channel(background_pixel, 0));
  const PixelTarget& t = g_pixel_target;
  for (std::int64_t j = std::max<std::int64_t>(0, -y); j < rows && y + j < t.height_px; ++j) {
    const auto* source = reinterpret_cast<const std::uint32_t*>(strip.constScanLine(static_cast<int>(j)));
    std::uint32_t* target = t.Row(static_cast<std::int32_t>(y + j)) + x0;
    for (std::int64_t i = 0; i < columns; ++i) {
      const std::uint32_t m = source[i];
      target[i] = 0xFF000000u | (std::uint32_t{red[Channel(m, 16)]} << 16) |
                  (std::uint32_t{green[Channel(m, 8)]} << 8) | blue[Channel(m, 0)];
    }
  }
}

// Renders `text` white on black into the strip with its cell's left edge at
// strip column x_strip (0 or left of it), clearing the columns read later.
void RenderIntoStrip(QImage& strip, const QFont& font, const Text& text, std::int64_t x_strip,
                     std::int64_t columns, std::int64_t rows) {
  QPainter painter(&strip);
  painter.fillRect(0, 0, static_cast<int>(columns), static_cast<int>(rows), Qt::black);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(static_cast<int>(x_strip), QFontMetrics(font).ascent()), text);
}

}  // namespace

void SetDrawingFont(FontRef font) {
  DrawingSession* session = CurrentSession();
  if (!session || !font) return;
  PrepareTextStrip(*session);
  session->font = *font;
  FitTextStrip(*session);
}

void SetTextBackground(Colour colour) {
  if (DrawingSession* session = CurrentSession()) session->background_colour = colour;
}

std::int64_t DrawText(std::int64_t x, std::int64_t y, const Text& text) {
  DrawingSession* session = CurrentSession();
  if (!session) return static_cast<std::int32_t>(x);
  return DrawText(x, y, text, session->front_colour);
}

std::int64_t DrawText(std::int64_t x, std::int64_t y, const Text& text, Colour colour) {
  x = static_cast<std::int32_t>(x);
  y = static_cast<std::int32_t>(y);
  DrawingSession* session = CurrentSession();
  if (!session) return x;
  PrepareTextStrip(*session);
  const std::uint32_t glyph_pixel = ApplyPenColour(*session, colour);
  if (!session->text_background_set || session->text_background != session->background_colour) {
    session->text_background_set = true;
    session->text_background = session->background_colour;
  }
  if (text.isEmpty() || session->text_strip.isNull()) return x;

  const QFontMetrics metrics(session->font);
  const std::int64_t width_px = metrics.horizontalAdvance(text);
  const std::int64_t rows = std::min<std::int64_t>(metrics.ascent() + metrics.descent(), session->text_strip.height());
  // Strip columns 0..columns-1 land on the surface from column max(x, 0) on.
  const std::int64_t x_strip = std::min<std::int64_t>(x, 0);
  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t columns = std::min<std::int64_t>(width_px + x_strip, g_pixel_target.width_px - x0);
  if (columns <= 0 || rows <= 0 || y >= g_pixel_target.height_px || y + rows <= 0) return x + width_px;

  RenderIntoStrip(session->text_strip, session->font, text, x_strip, columns, rows);
  BlendStrip(session->text_strip, x0, y, columns, rows, glyph_pixel, PixelOf(session->text_background));
  return x + width_px;
}

std::int64_t TextWidth(const Text& text) {
  DrawingSession* session = CurrentSession();
  if (!session) return 0;
  PrepareTextStrip(*session);
  return QFontMetrics(session->font).horizontalAdvance(text);
}

std::int64_t TextCellHeight() {
  DrawingSession* session = CurrentSession();
  if (!session) return 0;
  PrepareTextStrip(*session);
  const QFontMetrics metrics(session->font);
  return metrics.ascent() + metrics.descent();
}

}  // namespace rw
