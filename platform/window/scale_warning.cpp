#include "platform/window/scale_warning.h"

#include "platform/display/program_outputs.h"
#include "platform/wayland/pixel_surface.h"
#include "platform/wayland/preferred_scale.h"
#include "platform/window/message_box.h"
#include "platform/window/window_units.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>

namespace rw {
namespace {

// Whatever else it says, the box explains what a scaled picture does.
const char16_t kWhyItMatters[] =
    u"Sie werden umgerechnet und erscheinen unscharf, und Streifen oder Moiré stammen dann nicht vom Monitor.";

Text Percent(DeviceScale scale) { return QString::number(std::lround(scale.Value() * 100.0)) + u" %"_qs; }

}  // namespace

ScaleVerdict JudgeScale(const ScaleFacts& facts) {
  if (!facts.scale_known) return ScaleVerdict::ScaleUnknown;
  if (facts.off_grid) return ScaleVerdict::OffGrid;
  if (facts.scale.IsInteger()) return ScaleVerdict::Exact;
  if (!facts.viewporter) return ScaleVerdict::NoViewport;
  if (!facts.full_screen && facts.client_decorations) return ScaleVerdict::WindowNotExact;
  return ScaleVerdict::Exact;
}

Text ScaleWarningText(ScaleVerdict verdict, const ScaleFacts& facts) {
  const Text why = QString::fromUtf16(kWhyItMatters);
  switch (verdict) {
    case ScaleVerdict::Exact:
      return {};
    case ScaleVerdict::NoViewport:
      return u"Die Anzeige ist auf "_qs + Percent(facts.scale) +
             u" skaliert. Bei dieser Skalierung kann die Arbeitsfläche die Testbilder nicht Pixel für Pixel zeigen: "_qs +
             why + u" Stellen Sie die Skalierung auf 100 % oder 200 %, um den Monitor zu prüfen."_qs;
    case ScaleVerdict::WindowNotExact:
      return u"Die Anzeige ist auf "_qs + Percent(facts.scale) +
             u" skaliert, und die Arbeitsfläche zeichnet keine eigenen Fensterrahmen. Ob das Fenster dabei auf "
             u"ganzen Bildpunkten liegt, kann Rasterwacht nicht wissen, deshalb kann das Fenster die Testbilder "
             u"nicht sicher Pixel für Pixel zeigen: "_qs +
             why +
             u" Der Vollbild-Test zeigt sie exakt: die Aktion „Vollbild-Test“ am Programmsymbol oder der Befehl "
             u"rasterwacht --full-screen."_qs;
    case ScaleVerdict::OffGrid:
      return u"Die Anzeige ist auf "_qs + Percent(facts.scale) + u" skaliert, genau "_qs +
             QString::number(facts.mode_width) + u" Bildpunkte auf "_qs +
             QString::number(facts.mode_width * facts.scale.denominator / facts.scale.numerator) +
             u" Einheiten der Arbeitsfläche. Diesen Faktor rechnet die Arbeitsfläche nicht ganz genau um, deshalb "
             u"kann weder das Fenster noch der Vollbild-Test die Testbilder Pixel für Pixel zeigen: "_qs +
             why + u" Stellen Sie 125 %, 150 % oder 200 % ein, um den Monitor zu prüfen."_qs;
    case ScaleVerdict::ScaleUnknown:
      return u"Die Anzeige ist skaliert, und ihre Auflösung von "_qs + QString::number(facts.mode_width) + u" × "_qs +
             QString::number(facts.mode_height) +
             u" Bildpunkten ergibt bei dieser Skalierung keine ganze Zahl von Einheiten der Arbeitsfläche. "
             u"Rasterwacht kann die Skalierung deshalb nicht genau bestimmen, und weder das Fenster noch der "
             u"Vollbild-Test kann die Testbilder Pixel für Pixel zeigen: "_qs +
             why +
             u" Stellen Sie eine Skalierung ein, die die Auflösung ohne Rest teilt, etwa 100 % oder 200 %, um den "
             u"Monitor zu prüfen."_qs;
  }
  return {};
}

void WarnOnceIfPicturesScaled(bool full_screen, bool client_decorations) {
  static bool judged = false;
  if (judged || !PixelSurface::Available()) return;
  judged = true;
  const std::vector<WaylandOutput> outputs = WaylandOutputsPrimaryFirst();
  ScaleFacts facts;
  facts.scale = WindowScale();
  if (!outputs.empty()) {
    const OutputScale output = OutputScaleOf(outputs.front());
    facts.scale_known = output.exact;
    facts.off_grid = output.off_grid;
  }
  facts.viewporter = PixelSurface::ExactAt(facts.scale);
  facts.full_screen = full_screen;
  facts.client_decorations = client_decorations;
  if (!outputs.empty()) {
    facts.mode_width = outputs.front().DesktopWidth();
    facts.mode_height = outputs.front().DesktopHeight();
  }
  if (JudgeScale(facts) == ScaleVerdict::Exact) return;
  // Shown once the program waits for its first events, over the first
  // picture rather than over an empty window. By then the first picture's
  // surface is up, for which a compositor may tell the scale it draws it
  // at: where the output's sizes left it open, that word settles it.
  QTimer::singleShot(0, qApp, [facts]() mutable {
    constexpr int kMostConfirmationWaitMs = 1000;
    if (JudgeScale(facts) == ScaleVerdict::ScaleUnknown &&
        CompositorConfirmsScale(facts.scale, kMostConfirmationWaitMs)) {
      facts.scale_known = true;
    }
    const ScaleVerdict verdict = JudgeScale(facts);
    if (verdict != ScaleVerdict::Exact) ShowMessage(u"Rasterwacht"_qs, ScaleWarningText(verdict, facts), 0);
  });
}

}  // namespace rw
