#include "check/check_steps.h"

#include "check/check_motion.h"

namespace rw {
namespace {

using enum ReadingKind;
using enum StripSide;

// From the finest detail to the coarse: whether the panel shows its pixels
// 1:1 at all, then its pixels and uniformity, its tone scale, its timing
// faults, its geometry, and sharpness across the whole area last. The
// strip lies at the bottom, except where the image has a label strip of its
// own at the top (inversion, colour resolution) or where the top rows are
// ground only (the levels); the gamma scale's top strip carries the labels
// the reading needs, so its question goes below the patches. The motion
// images come last, with the question over their status strip; they keep
// the refresh measurement of the time they were shown. A further step is
// one more line.
constexpr CheckStep kSteps[] = {
    {"checkerboard", u"Gleichmäßig feines Grau ohne Streifen, Moiré oder Flimmern – sonst wird das Bild skaliert", None,
     Bottom, nullptr},
    {"vertical-lines", u"Jede Spalte scharf von oben bis unten, ohne graue Schlieren, Moiré oder Flimmern", None, Bottom,
     nullptr},
    {"horizontal-lines", u"Jede Zeile scharf und ruhig, ohne Flimmern oder weiche Bänder", None, Bottom, nullptr},
    {"white", u"Keine dunklen oder farbigen Punkte, kein Farbstich, gleichmäßig hell bis in die Ecken", None, Bottom,
     nullptr},
    {"black", u"Keine hellen Punkte, keine Lichthöfe an Rändern und Ecken", None, Bottom, nullptr},
    {"red", u"Gleichmäßiges Rot ohne schwarze oder andersfarbige Punkte", None, Bottom, nullptr},
    {"green", u"Gleichmäßiges Grün ohne schwarze oder andersfarbige Punkte", None, Bottom, nullptr},
    {"blue", u"Gleichmäßiges Blau ohne schwarze oder andersfarbige Punkte", None, Bottom, nullptr},
    {"grey", u"Gleichmäßiges Grau ohne Wolken, Flecken oder Farbstich", None, Bottom, nullptr},
    {"black-levels", u"Welches Quadrat hebt sich als erstes vom Schwarz ab?", BlackLevel, Top, nullptr},
    {"white-levels", u"Welches Quadrat hebt sich als letztes vom Weiß ab?", WhiteLevel, Top, nullptr},
    {"gradients", u"Stufenlose Verläufe ohne Bänder, Sprünge oder Farbstich", None, Bottom, nullptr},
    {"gamma", u"In welcher Spalte wirkt das Feld so hell wie die Linien um es herum?", Gamma, Bottom, nullptr},
    {"inversion", u"Kein Feld flimmert, wandert oder zeigt Streifen", None, Top, nullptr},
    {"chroma", u"Feine farbige Linien in beiden Hälften, keine graue oder verwaschene Fläche", None, Top, nullptr},
    {"circles", u"Kreise rund, nicht oval; der äußerste Ring an den Rändern vollständig", None, Bottom, nullptr},
    {"rectangles", u"Alle Rahmen bis zum Bildrand sichtbar, die Seiten gerade", None, Bottom, nullptr},
    {"small-text", u"Alle Buchstaben überall gleich scharf und lesbar, ohne Farbsäume", None, Bottom, nullptr},
    {"motion", u"Quadrate mit klaren Kanten: keine Schlieren, keine hellen oder dunklen Säume, kein Ruckeln", None, Top,
     &ShownMotionFigures},
    {"frame-sequence", u"Unten eine ruhige Mischfarbe ohne rotes oder türkises Aufblitzen; auf einem Foto keine Lücke",
     None, Top, &ShownMotionFigures},
};

}  // namespace

std::span<const CheckStep> CheckSteps() { return kSteps; }

}  // namespace rw
