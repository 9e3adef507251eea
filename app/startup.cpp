#include "app/startup.h"

#include "app/main_window_options.h"
#include "app/pattern_menu.h"
#include "info/display_metrics.h"
#include "patterns/series.h"
#include "patterns/wheel_steps.h"
#include "platform/base/clock.h"
#include "platform/display/screen_depth.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/message_box.h"
#include "platform/window/window.h"
#include "state/globals.h"
#include "state/program_end.h"

namespace rw {

Text MainWindowTitle(std::int64_t pattern) {
  const SeriesImage* image = SeriesImageAt(pattern);
  if (PatternCount <= kBasicPatterns || !image) return u"Rasterwacht, Auflösung: "_qs + MetricsText + TitleHint;
  return u"Rasterwacht – "_qs + MenuName(*image) + u" – "_qs + MetricsText +
         u"  (Leertaste: nächstes Testbild, Rücktaste: voriges, rechte Maustaste: Menü)"_qs;
}

void StartProgram() {
  InitialiseGlobals();
  ChooseSeries();
  // A screen that cannot show the pictures is treated like no screen at all.
  if (!ScreenShowsPictures()) EndProgram();
  ChooseMonitor();
  ReadDisplayMetrics();
  SizeDrawingArea();
  CreateImage(0, ScreenWidth, ScreenHeight);
  const MainWindowPlacement place = PlaceMainWindow();
  if (!OpenWindow(0, place.x, place.y, ScreenWidth, ScreenHeight, MainWindowTitle(NextPattern), place.flags)) EndProgram();
  DrawToImage = CreateImageView(0, 0, 0, ScreenWidth, ScreenHeight, ImageHandle(0)) ? 1 : 0;
  BuildPatternMenu();
  LoadFont(0, u"Arial"_qs, 8);
  if (!LoadFont(1, u"Arial"_qs, 5)) {
    ShowMessage(u"Fehlermeldung"_qs, u"Arial 5 konnte nicht geladen werden!"_qs, 0);
  }
  // The one-colour area reads the wheel turn of the most recent event.
  SetEventWordSource(&EventParameter);
  LastKeyPoll = MillisecondClock();
}

}  // namespace rw
