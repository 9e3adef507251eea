#include "check/check_strip.h"

#include "check/check_reading.h"
#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <algorithm>

namespace rw {
namespace {

constexpr std::int64_t kRowsAt96Dpi = 30;
constexpr Colour kGround = Rgb(40, 40, 40);
constexpr Colour kInk = Rgb(235, 235, 235);
constexpr Colour kMarked = Rgb(255, 210, 0);
constexpr Colour kField = Rgb(255, 255, 255);
constexpr Colour kFieldInk = Rgb(0, 0, 0);

const Text kKeys = u"J: in Ordnung    N: Fehler    Leertaste: weiter ohne Urteil    Rücktaste: zurück    "
                   u"H: Leiste aus/ein    Esc: Prüfung beenden"_qs;

std::int64_t Scaled(std::int64_t pixels_at_96_dpi) { return (pixels_at_96_dpi * ScreenDpi() + 48) / 96; }

// A white field from x to x + width with `text` in it, and the cursor after
// it when `cursor`; text too long for the field shows its end.
void DrawField(std::int64_t x, std::int64_t y, std::int64_t width, const Text& text, bool cursor) {
  const std::int64_t cell = TextCellHeight();
  const std::int64_t inner = std::max<std::int64_t>(width - 6, 0);
  DrawBox(x, y - 1, width, cell + 2, kField);
  Text shown = text;
  if (TextWidth(shown) > inner) {
    Text tail = text;
    while (!tail.isEmpty() && TextWidth(u"…"_qs + tail) > inner) tail.remove(0, tail[0].isHighSurrogate() ? 2 : 1);
    shown = u"…"_qs + tail;
  }
  SetTextBackground(kField);
  const std::int64_t end = DrawText(x + 3, y, shown, kFieldInk);
  if (cursor) DrawBox(std::min(end, x + width - 2), y, 1, cell, kFieldInk);
  SetTextBackground(kGround);
}

}  // namespace

StripRows CheckStripRows(StripSide side, std::int64_t area_height) {
  const std::int64_t height =
      std::min(std::max(Scaled(kRowsAt96Dpi), 2 * TextCellHeight() + 4), std::max<std::int64_t>(area_height, 0));
  return {side == StripSide::Top ? 0 : area_height - height, height};
}

void DrawCheckStrip(const StripView& view, StripRows rows) {
  if (rows.height <= 0) return;
  const std::int64_t cell = TextCellHeight();
  const std::int64_t pad = std::max<std::int64_t>((rows.height - 2 * cell) / 3, 0);
  const std::int64_t first = rows.top + pad;
  const std::int64_t second = first + cell + pad;
  const std::int64_t margin = Scaled(8);
  const std::int64_t gap = Scaled(24);
  DrawBox(0, rows.top, ScreenWidth, rows.height, kGround);
  SetTextBackground(kGround);

  std::int64_t x = DrawText(margin, first,
                            u"Schritt "_qs + NumberToText(static_cast<std::int64_t>(view.number)) + u" von "_qs +
                                NumberToText(static_cast<std::int64_t>(view.count)) + u": "_qs + view.name +
                                u"  –  "_qs + view.look_for,
                            kInk);
  if (!view.in_note && (view.earlier == Answer::Passed || view.earlier == Answer::Failed)) {
    DrawText(x + gap, first, u"bisher: "_qs + Text::fromStdString(AnswerText(view.earlier)), kMarked);
  }

  x = margin;
  if (view.in_note) {
    x = DrawText(x, second, u"Notiz zum Fehler (Enter beendet, Esc beendet die Prüfung): "_qs, kInk);
    DrawField(x, second, ScreenWidth - margin - x, view.note, true);
    return;
  }
  if (view.reading != ReadingKind::None) {
    x = DrawText(x, second, u"Ablesung ("_qs + ReadingRange(view.reading) + u", leer: nicht abgelesen): "_qs, kInk);
    const std::int64_t width = TextWidth(u"2,6"_qs) + Scaled(24);
    DrawField(x, second, width, view.reading_text, true);
    x += width + gap;
  }
  if (!view.hint.isEmpty()) {
    DrawText(x, second, view.hint, kMarked);
  } else {
    DrawText(x, second, kKeys, kInk);
  }
}

}  // namespace rw
