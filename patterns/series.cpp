#include "patterns/series.h"

#include "patterns/patterns.h"
#include "platform/base/virtual_keys.h"
#include "state/globals.h"

#include <array>

namespace rw {
namespace {

bool Always() { return true; }
bool Never() { return false; }
// The circles' ground and the rectangles' outermost box need two rows.
bool AtLeastTwoRows() { return ScreenHeight >= 2; }

constexpr std::int64_t Letter(char capital) { return kLetterKeyA + (capital - 'A'); }
constexpr std::int64_t Digit(int digit) { return kDigitKey0 + digit; }

// Further images are appended at the end; the numbers of those before them,
// which the digits and the renderer use, stay.
constexpr std::array<SeriesImage, 24> kSeries = {{
    {"vertical-lines", u"Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit", Digit(0),
     [] { DrawVerticalLines(), DrawLineLabels(), DrawCaption(); }, Always},
    {"horizontal-lines", u"Waagrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit", Digit(1),
     [] { DrawHorizontalLines(), DrawLineLabels(), DrawCaption(); }, Always},
    {"circles", u"Konzentrische Kreise - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit", Digit(2),
     [] { DrawConcentricCircles(), DrawCaption(); }, AtLeastTwoRows},
    {"rectangles", u"Konzentrische Rechtecke - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit", Digit(3),
     [] { DrawConcentricRectangles(), DrawCaption(); }, AtLeastTwoRows},
    {"random-pixels", u"1-Pixel-Punkte in Zufallsfarben", Digit(4), [] { DrawRandomPixels(), DrawCaption(); }, Always},
    {"rainbow", u"Regenbogen-Spektrum", Digit(5), [] { DrawRainbowSpectrum(), DrawCaption(); }, Always},
    {"small-text", u"Kleiner Text in Arial 5 Punkt", Digit(6), [] { DrawSmallText(), DrawCaption(); }, Never},
    {"colour-bars", u"Farbbalken", Digit(7), [] { DrawColourBars(), DrawCaption(); }, Always},
    {"one-colour", u"Monochrom-Fläche - Farbe mit Scrollrad einstellbar", Digit(8),
     [] { MonochromeMode = 1, DrawMonochromeArea(), DrawCaption(); }, Always},
    // Each key is the first letter of the menu name that no image before it took.
    {"white", u"Weiß", Letter('W'), DrawWhiteField, Always},
    {"black", u"Schwarz", Letter('S'), DrawBlackField, Always},
    {"red", u"Rot", Letter('R'), DrawRedField, Always},
    {"green", u"Grün", Letter('G'), DrawGreenField, Always},
    {"blue", u"Blau", Letter('B'), DrawBlueField, Always},
    {"grey", u"Grau 50 %", Letter('A'), DrawGreyField, Always},
    {"black-levels", u"Schwarzwerte 1 bis 32", Letter('C'), DrawBlackLevels, Always},
    {"white-levels", u"Weißwerte 223 bis 254", Letter('E'), DrawWhiteLevels, Always},
    {"gradients", u"Farbverläufe", Letter('F'), DrawGradients, Always},
    {"gamma", u"Gamma 1,0 bis 2,6", Letter('M'), DrawGammaScale, Always},
    {"inversion", u"Inversion und Flimmern", Letter('I'), DrawInversionPanels, Always},
    {"checkerboard", u"Schachbrett 1 Pixel", Letter('H'), DrawCheckerboard, Always},
    {"chroma", u"Farbauflösung", Letter('U'), DrawChromaLines, Always},
    // The motion images: each redraw paints one frame, whose number and
    // rate patterns/motion_frames.h holds.
    {"motion", u"Bewegung", Letter('N'), DrawMotion, Always},
    {"frame-sequence", u"Bildfolge", Letter('L'), DrawFrameSequence, Always},
}};

}  // namespace

std::span<const SeriesImage> TestSeries() { return kSeries; }

const SeriesImage* SeriesImageAt(std::int64_t pattern) {
  if (pattern < 0 || pattern >= static_cast<std::int64_t>(kSeries.size())) return nullptr;
  return &kSeries[static_cast<std::size_t>(pattern)];
}

std::optional<std::int64_t> SeriesNumberOf(std::string_view id) {
  for (std::size_t k = 0; k < kSeries.size(); ++k) {
    if (kSeries[k].id == id) return static_cast<std::int64_t>(k);
  }
  return std::nullopt;
}

std::string SeriesIdList() {
  std::string list;
  for (const SeriesImage& image : kSeries) {
    if (!list.empty()) list += ", ";
    list += image.id;
  }
  return list;
}

std::string SeriesKeyList() {
  constexpr std::size_t kLineWidth = 78;
  std::string list;
  std::string line = " ";
  const auto series = TestSeries();
  for (std::size_t k = 0; k < series.size(); ++k) {
    std::string entry = " " + std::string(series[k].id) + " (" + static_cast<char>(series[k].key) + ")";
    entry += k + 1 < series.size() ? "," : "";
    if (line.size() + entry.size() > kLineWidth) {
      list += line + "\n";
      line = " ";
    }
    line += entry;
  }
  return list + line + "\n";
}

Text MenuName(const SeriesImage& image) {
  return QString::fromUtf16(image.menu_name.data(), static_cast<qsizetype>(image.menu_name.size()));
}

Text KeyName(const SeriesImage& image) { return Text(QChar(static_cast<char16_t>(image.key))); }

}  // namespace rw
