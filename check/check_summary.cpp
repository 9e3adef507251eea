#include "check/check_summary.h"

#include "platform/raster/drawing.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

namespace rw {
namespace {

constexpr Colour kGround = Rgb(40, 40, 40);
constexpr Colour kInk = Rgb(235, 235, 235);
constexpr Colour kMarked = Rgb(255, 210, 0);

Text Utf8(const std::string& text) { return Text::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void DrawCheckSummary(const SummaryView& view) {
  DrawBox(0, 0, ScreenWidth, ScreenHeight, kGround);
  SetTextBackground(kGround);
  const std::int64_t line = TextCellHeight() * 3 / 2;
  const std::int64_t x = line;
  std::int64_t y = line;
  const auto say = [&](const Text& text, Colour colour = kInk) {
    DrawText(x, y, text, colour);
    y += line;
  };
  const ReportTotals& t = view.totals;
  say(view.ended_early ? u"Prüfung vorzeitig beendet"_qs : u"Prüfung abgeschlossen"_qs);
  y += line / 2;
  Text counts = u"in Ordnung: "_qs + NumberToText(t.passed) + u"    Fehler: "_qs + NumberToText(t.failed) +
                u"    nicht beurteilt: "_qs + NumberToText(t.not_judged);
  if (t.not_reached > 0) counts += u"    nicht erreicht: "_qs + NumberToText(t.not_reached);
  say(counts + u"    (von "_qs + NumberToText(t.steps) + u" Schritten)"_qs);
  y += line / 2;
  if (view.saved) {
    say(u"Bericht: "_qs + Utf8(view.html_path));
    say(u"Daten:   "_qs + Utf8(view.json_path));
  } else {
    say(u"Der Bericht wurde nicht gespeichert ("_qs + Utf8(view.reason) + u"): "_qs + Utf8(view.html_path), kMarked);
    say(u"Die Antworten stehen als JSON auf der Standardausgabe."_qs, kMarked);
  }
  y += line / 2;
  say(u"Eine beliebige Taste beendet das Programm."_qs);
}

}  // namespace rw
