#include "state/globals.h"

namespace rw {

void InitialiseGlobals() {
  ScreenWidth = 1274;
  ScreenHeight = 958;
  RedrawPending = 1;
  NextPattern = 0;
  PatternCount = 9;
  MetricsText = Text();
  RatioText = Text();
  TitleHint = u"  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"_qs;
  LineOrientation = u"senkrecht"_qs;
  AlphabetText = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"_qs;
  DrawToImage = 0;
  MonochromeMode = 0;
  WheelPosition = 0;
  ColourRed = 0;
  ColourGreen = 0;
  ColourBlue = 0;
  LastKeyPoll = 0;
  CurrentEvent = 0;
  InfoClosed = 0;
  ProgramSearchRoot = u"Z:\\Werkbank-Sources\\Rasterwacht.exe"_qs;
  ProgramFilePath.clear();
  VersionText = Text();
}

}  // namespace rw
